# XML, hash tables, the two settings stores, the language pack and the localizer, with the
# registry-like SQLite backing and the embedded language pack.
pkg_check_modules(SQLITE3 REQUIRED IMPORTED_TARGET sqlite3)
option(VERITOME_FUZZ "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)

# veritome_embed_resource(target TYPE type NUMBER n FILE path): compiles the bytes of FILE into
# an object file that registers them at start-up under (type, n) for platform::findResource.
# The objects reach every program that links target, so their registrars always run.
function(veritome_embed_resource target)
  cmake_parse_arguments(A "" "TYPE;NUMBER;FILE" "" ${ARGN})
  set(out ${CMAKE_BINARY_DIR}/generated/resources/${A_TYPE}_${A_NUMBER}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${A_FILE} -DOUT=${out} -DTYPE=${A_TYPE} -DNUMBER=${A_NUMBER}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResource.cmake
    DEPENDS ${A_FILE} ${CMAKE_SOURCE_DIR}/cmake/EmbedResource.cmake
    COMMENT "Embedding ${A_FILE} as ${A_TYPE}/${A_NUMBER}")
  set(objects ${target}_${A_TYPE}_${A_NUMBER})
  add_library(${objects} OBJECT ${out})
  target_include_directories(${objects} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_sources(${target} INTERFACE $<TARGET_OBJECTS:${objects}>)
endfunction()

veritome_library(s_settings
  DIRS src/xml/** src/map/** src/reg/** src/lang/** src/platform/store/**
  LIBS s_foundation PkgConfig::SQLITE3)

# The language pack: resource type "IDR_XML", number 130.
set(VERITOME_LANG_PACK ${CMAKE_SOURCE_DIR}/resources/lang/pack.xml)
# The program has no texts without it: a missing pack stops the build here.
if(NOT EXISTS ${VERITOME_LANG_PACK})
  message(FATAL_ERROR "The language pack ${VERITOME_LANG_PACK} is missing")
endif()
veritome_embed_resource(s_settings TYPE IDR_XML NUMBER 130 FILE ${VERITOME_LANG_PACK})

veritome_test(settings_tests
  DIRS tests/xml/** tests/map/** tests/reg/** tests/lang/**
  LIBS s_settings)
target_link_libraries(settings_tests PRIVATE PkgConfig::SQLITE3)  # to lock a database

veritome_bench(bench_lang SOURCES ${CMAKE_SOURCE_DIR}/bench/lang.cpp LIBS s_settings)

# libFuzzer targets (clang only): the libraries they exercise get coverage instrumentation and
# the address and undefined-behaviour sanitizers too.
if(VERITOME_FUZZ)
  foreach(lib s_settings s_foundation)
    target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  endforeach()
  add_executable(fuzz_xml ${CMAKE_SOURCE_DIR}/fuzz/xml_parse.cpp)
  target_compile_options(fuzz_xml PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(fuzz_xml PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(fuzz_xml PRIVATE s_settings)
endif()

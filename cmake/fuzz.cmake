# libFuzzer targets beside fuzz/xml_parse.cpp. Each target's inputs live in tests/data/<folder>:
# its seeds in corpus/ and any input that once made it fail beside them. A normal test program
# (replay_<name>) runs every stored input through the target in every build; with
# VERITOME_FUZZ (clang) the fuzzer fuzz_<name> is built too.

# veritome_fuzzer(name SOURCE file DATA folder [UNDER_TEST file...] LIBS lib...): UNDER_TEST
# are the sources of the code the target exercises, compiled into the fuzzer with its coverage
# and sanitizers (the libraries they come from are linked as they are).
function(veritome_fuzzer name)
  cmake_parse_arguments(A "" "SOURCE;DATA" "UNDER_TEST;LIBS" ${ARGN})
  set(source ${CMAKE_SOURCE_DIR}/fuzz/${A_SOURCE})
  set(data ${CMAKE_SOURCE_DIR}/tests/data/${A_DATA})
  list(TRANSFORM A_UNDER_TEST PREPEND ${CMAKE_SOURCE_DIR}/)
  if(VERITOME_FUZZ)
    add_executable(fuzz_${name} ${source} ${A_UNDER_TEST})
    target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_${name} PRIVATE ${A_LIBS})
    return()
  endif()
  add_executable(replay_${name} ${source} ${A_UNDER_TEST} ${CMAKE_SOURCE_DIR}/fuzz/ReplayTest.cpp)
  target_link_libraries(replay_${name} PRIVATE ${A_LIBS} GTest::gtest_main)
  target_compile_definitions(replay_${name} PRIVATE VERITOME_FUZZ_DATA="${data}")
  gtest_discover_tests(replay_${name} TEST_PREFIX "${name}." DISCOVERY_TIMEOUT 120
                       PROPERTIES LABELS replay_${name})
endfunction()

if(VERITOME_FUZZ)
  # clang does not take "#pragma GCC target": the vector SHA-512 bodies get their instruction
  # sets per file (they run only where the processor has them, as with GCC), and the GCC
  # pragmas they hold are not reported as unknown.
  set_source_files_properties(${CMAKE_SOURCE_DIR}/src/digest/sha/Sha512Avx2.cpp
    PROPERTIES COMPILE_OPTIONS "-mavx2;-mbmi;-mbmi2;-Wno-unknown-pragmas")
  set_source_files_properties(${CMAKE_SOURCE_DIR}/src/digest/sha/Sha512Avx512.cpp
    PROPERTIES COMPILE_OPTIONS "-mavx2;-mbmi;-mbmi2;-mavx512f;-mavx512vl;-Wno-unknown-pragmas")
endif()

set(filehash src/file/gui/dialogs/filehash)
veritome_fuzzer(checksum_line SOURCE checksum_line.cpp DATA checksum
  UNDER_TEST ${filehash}/ChecksumLine.cpp ${filehash}/ChecksumListReader.cpp LIBS s_job)
veritome_fuzzer(lang_pack SOURCE lang_pack.cpp DATA lang LIBS s_settings)
veritome_fuzzer(registry_value SOURCE registry_value.cpp DATA reg LIBS s_settings)
veritome_fuzzer(jpeg_decode SOURCE jpeg_decode.cpp DATA jpeg
  UNDER_TEST src/platform/image/ImageCodec.cpp
  LIBS s_platform_window PkgConfig::VERITOME_JPEG PkgConfig::VERITOME_CAIRO)
veritome_fuzzer(drop_paths SOURCE drop_paths.cpp DATA drop UNDER_TEST src/platform/window/Utf.cpp
  LIBS s_foundation)

# Source globbing and test registration shared by the area files.
# A folder "dir" takes dir/*.cpp; "dir/**" takes every .cpp below dir.

function(veritome_sources out)
  set(files)
  foreach(d ${ARGN})
    if(d MATCHES "^(.*)/\\*\\*$")
      file(GLOB_RECURSE f CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${CMAKE_MATCH_1}/*.cpp)
    else()
      file(GLOB f CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${d}/*.cpp)
    endif()
    list(APPEND files ${f})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# veritome_library(name DIRS dir... [EXCLUDE regex] LIBS lib...)
function(veritome_library name)
  cmake_parse_arguments(A "" "EXCLUDE" "DIRS;LIBS" ${ARGN})
  veritome_sources(src ${A_DIRS})
  if(A_EXCLUDE)
    list(FILTER src EXCLUDE REGEX "${A_EXCLUDE}")
  endif()
  add_library(${name} STATIC ${src})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${A_LIBS} Threads::Threads)
endfunction()

# Test files compiled on their own in a unity build (see veritome_test).
set(VERITOME_UNITY_ALONE
  tests/str/StrBufferTest.cpp
  tests/platform/window/HeadlessWindowTest.cpp
  tests/platform/window/display/OwnedWindowsTest.cpp
  tests/reg/RegistryStoreTest.cpp
  tests/gui/drawer/ButtonTextTest.cpp
  tests/frame/window/FrameWindowTest.cpp
  tests/apps/veritome/ProgramTest.cpp
  tests/platform/window/display/SdlDisplayTest.cpp
  tests/platform/window/display/ScaleDisplayTest.cpp
  tests/gui/display/ScaleChangeDisplayTest.cpp
  tests/gui/win/TextNumberTest.cpp
  tests/digest/LengthCarryTest.cpp  # asks for the deprecated digest calls before its includes
)

# veritome_test(name DIRS dir... [EXCLUDE regex] LIBS lib...): one GoogleTest program, every
# test registered with CTest. Tests whose suite name contains "Thread" also run under
# ThreadSanitizer.
function(veritome_test name)
  cmake_parse_arguments(A "" "EXCLUDE" "DIRS;LIBS" ${ARGN})
  veritome_sources(src ${A_DIRS})
  if(A_EXCLUDE)
    list(FILTER src EXCLUDE REGEX "${A_EXCLUDE}")
  endif()
  if(NOT src)
    message(FATAL_ERROR "The test program ${name} has no sources in ${A_DIRS}")
  endif()
  add_executable(${name} ${src})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE VERITOME_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  if(VERITOME_UNITY_TESTS)
    # Several test files compiled as one: the test stage builds much faster. Files whose local
    # names clash with another file's (or that include X11's macros) compile on their own.
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    foreach(f ${src})
      foreach(alone ${VERITOME_UNITY_ALONE})
        if(f MATCHES "/${alone}$")
          set_source_files_properties(${f} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
        endif()
      endforeach()
    endforeach()
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 PROPERTIES LABELS ${name})
endfunction()

# veritome_bench(name SOURCES file... LIBS lib...): a Google Benchmark program.
function(veritome_bench name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT VERITOME_BENCH)
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} benchmark::benchmark)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# The window program: start-up, one instance per user and display, close signals, and the
# file-hash dialog in the drop-dialog frame's window. Tests run it as a subprocess on their own
# X server.
veritome_sources(program_sources apps/veritome)
list(FILTER program_sources EXCLUDE REGEX "/main\\.cpp$")
add_library(s_program STATIC ${program_sources})
target_include_directories(s_program PUBLIC ${CMAKE_SOURCE_DIR}/apps/veritome)
target_compile_definitions(s_program PRIVATE VERITOME_VERSION="${PROJECT_VERSION}")
target_link_libraries(s_program PUBLIC s_dialog s_app)

add_executable(veritome apps/veritome/main.cpp)
target_link_libraries(veritome PRIVATE s_program)
set_target_properties(veritome PROPERTIES RUNTIME_OUTPUT_DIRECTORY
  ${CMAKE_BINARY_DIR}/apps/veritome)

veritome_test(program_tests
  DIRS tests/apps/veritome
  LIBS s_app veritome_xserver)
target_compile_definitions(program_tests PRIVATE
  VERITOME_PROGRAM="$<TARGET_FILE:veritome>" VERITOME_VERSION="${PROJECT_VERSION}")
add_dependencies(program_tests veritome)

# The program on the accessibility bus: a client (libatspi) attached to it on its own X server
# and private session bus; skipped (77) when at-spi2-core or the client library is missing.
add_test(NAME program_accessibility
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/access/access_test.py $<TARGET_FILE:veritome>)
set_tests_properties(program_accessibility PROPERTIES
  SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS program_tests)

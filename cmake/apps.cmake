# The terminal front end (the window program is made by program.cmake).
veritome_sources(cli_sources apps/veritome-cli)
list(FILTER cli_sources EXCLUDE REGEX "/main\\.cpp$")
add_library(s_cli STATIC ${cli_sources})
target_include_directories(s_cli PUBLIC ${CMAKE_SOURCE_DIR}/apps/veritome-cli)
target_link_libraries(s_cli PUBLIC s_job s_settings)

add_executable(veritome-cli apps/veritome-cli/main.cpp)
target_compile_definitions(veritome-cli PRIVATE VERITOME_VERSION="${PROJECT_VERSION}")
target_link_libraries(veritome-cli PRIVATE s_cli)
set_target_properties(veritome-cli PROPERTIES RUNTIME_OUTPUT_DIRECTORY
  ${CMAKE_BINARY_DIR}/apps/veritome-cli)

veritome_test(cli_tests
  DIRS tests/apps/veritome-cli/**
  LIBS s_cli)
target_compile_definitions(cli_tests PRIVATE VERITOME_CLI="$<TARGET_FILE:veritome-cli>")
add_dependencies(cli_tests veritome-cli)

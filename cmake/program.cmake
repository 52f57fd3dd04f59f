# The window program: start-up, one instance per user and display, close signals, and the
# file-hash dialog in the drop-dialog frame's window (a plain stand-in window where those are
# not built). Tests run it as a subprocess on their own X server.
if(NOT TARGET s_app)
  return()
endif()
veritome_sources(program_sources apps/veritome)
list(FILTER program_sources EXCLUDE REGEX "/main\\.cpp$")
if(TARGET s_dialog AND NOT frame_window_missing AND NOT frame_combo_missing)
  list(FILTER program_sources EXCLUDE REGEX "/StandInFrame\\.cpp$")
  set(program_frame s_dialog)
  set(program_with_dialog 1)
else()
  list(FILTER program_sources EXCLUDE REGEX "/DialogFrame\\.cpp$")
  set(program_frame s_app)
  set(program_with_dialog 0)
endif()
add_library(s_program STATIC ${program_sources})
target_include_directories(s_program PUBLIC ${CMAKE_SOURCE_DIR}/apps/veritome)
target_compile_definitions(s_program PRIVATE VERITOME_VERSION="${PROJECT_VERSION}")
target_link_libraries(s_program PUBLIC ${program_frame} s_app)

add_executable(veritome apps/veritome/main.cpp)
target_link_libraries(veritome PRIVATE s_program)
set_target_properties(veritome PROPERTIES RUNTIME_OUTPUT_DIRECTORY
  ${CMAKE_BINARY_DIR}/apps/veritome)

if(TARGET veritome_xserver)
  veritome_test(program_tests
    DIRS tests/apps/veritome
    LIBS s_app veritome_xserver)
  if(TARGET program_tests)
    target_compile_definitions(program_tests PRIVATE
      VERITOME_PROGRAM="$<TARGET_FILE:veritome>" VERITOME_VERSION="${PROJECT_VERSION}"
      VERITOME_WITH_DIALOG=${program_with_dialog})
    add_dependencies(program_tests veritome)
  endif()
endif()

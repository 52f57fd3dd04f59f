# The file-hash dialog: the window side of the hash job, on the drop-dialog frame. A library of
# its own, so that the terminal front end (s_job) links no window code.
# Its files are the folder's Dialog*.cpp; the rest of the folder is the job library (job.cmake).
file(GLOB dialog_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/file/gui/dialogs/filehash/Dialog*.cpp)
add_library(s_dialog STATIC ${dialog_sources})
target_include_directories(s_dialog PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(s_dialog PUBLIC s_job s_frame s_app Threads::Threads)
# The dialog in a real window on the tests' own X server, against the terminal front end
# (veritome-cli is made by apps.cmake, read after this file).
veritome_test(dialog_tests
  DIRS tests/dialog
  LIBS s_dialog veritome_xserver PkgConfig::VERITOME_GALLERY_ZLIB)
target_compile_definitions(dialog_tests PRIVATE VERITOME_CLI="$<TARGET_FILE:veritome-cli>")
add_dependencies(dialog_tests veritome-cli)

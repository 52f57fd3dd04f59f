# The application base, the window settings, the program's pictures and the platform pieces the
# program needs (picture decoding, one instance per user and display, close signals), with the
# desktop entry, the icons and the install rules.
pkg_check_modules(VERITOME_JPEG REQUIRED IMPORTED_TARGET libjpeg)
pkg_check_modules(VERITOME_CAIRO REQUIRED IMPORTED_TARGET cairo)

pkg_check_modules(VERITOME_GIO REQUIRED IMPORTED_TARGET gio-2.0)

veritome_library(s_platform_app
  DIRS src/platform/image src/platform/shell src/platform/desktop
  LIBS s_platform_window PkgConfig::VERITOME_JPEG PkgConfig::VERITOME_CAIRO PkgConfig::VERITOME_GIO)

veritome_library(s_app
  DIRS src/app/**
  LIBS s_settings s_gui s_platform_app)

# The pictures made by tools/pictures (committed, so a build needs no fonts): the logo as
# "IDR_JPG" 131 (wide) and 132 (tall), the wide logo at the About window's widths at factors 1,
# 1.5 and 2 as "IDR_LOGO_JPG" numbered by its width, the program icon as "IDR_PNG" numbered by
# its side.
set(VERITOME_ICON_SIZES 16 24 32 48 64 96 128 256)
set(VERITOME_PICTURES ${CMAKE_SOURCE_DIR}/resources/pictures)
veritome_embed_resource(s_app TYPE IDR_JPG NUMBER 131 FILE ${VERITOME_PICTURES}/logo-wide.jpg)
veritome_embed_resource(s_app TYPE IDR_JPG NUMBER 132 FILE ${VERITOME_PICTURES}/logo-tall.jpg)
foreach(width 320 480 640)
  veritome_embed_resource(s_app TYPE IDR_LOGO_JPG NUMBER ${width}
    FILE ${VERITOME_PICTURES}/logo-wide-${width}.jpg)
endforeach()
foreach(size ${VERITOME_ICON_SIZES})
  veritome_embed_resource(s_app TYPE IDR_PNG NUMBER ${size}
    FILE ${VERITOME_PICTURES}/icon-${size}.png)
endforeach()

# Redraws those pictures: cmake --build <dir> --target make_pictures, then
# <dir>/tools/make_pictures resources/pictures
add_executable(make_pictures EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/pictures/make_pictures.cpp)
target_link_libraries(make_pictures PRIVATE PkgConfig::VERITOME_WINDOW_DEPS PkgConfig::VERITOME_JPEG)
set_target_properties(make_pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

veritome_test(app_tests
  DIRS tests/app/** tests/platform/image tests/platform/shell tests/platform/desktop
  LIBS s_app)

# The place on the desktop (entry, icons, menus, manual pages, package): desktop.cmake. The
# window program's target is made later in the configure run (apps.cmake), so the programs'
# install rule is added at the end of the top-level directory.
include(${CMAKE_SOURCE_DIR}/cmake/desktop.cmake)
function(veritome_install_programs)
  install(TARGETS veritome veritome-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    COMPONENT programs)
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL veritome_install_programs)

# Installs into a temporary prefix and checks what lands there (the entry is validated when
# desktop-file-validate is present).
add_test(NAME app_install_layout
  COMMAND ${CMAKE_SOURCE_DIR}/tests/app/install_layout.sh ${CMAKE_BINARY_DIR}
          ${VERITOME_ICON_SIZES})
set_tests_properties(app_install_layout PROPERTIES LABELS app_tests)

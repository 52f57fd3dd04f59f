# ---- window layer (src/platform/window) ----------------------------------------------------
pkg_check_modules(VERITOME_WINDOW_DEPS REQUIRED IMPORTED_TARGET sdl2 x11 xext cairo pangocairo)
veritome_library(s_platform_window
  DIRS src/platform/window/**
  LIBS PkgConfig::VERITOME_WINDOW_DEPS)
# The layer's own headers (src/platform/window/detail) are for its sources only.
target_include_directories(s_platform_window PRIVATE ${CMAKE_SOURCE_DIR}/src/platform/window)
target_compile_definitions(s_platform_window PRIVATE VERITOME_WINDOW_LAYER)
veritome_test(platform_window_tests
  DIRS tests/platform/window
  LIBS s_platform_window)
# The same windows on a real display: each test process starts its own Xvfb and openbox.
pkg_check_modules(VERITOME_XTEST_DEPS REQUIRED IMPORTED_TARGET x11 xtst)
veritome_test(platform_window_display_tests
  DIRS tests/platform/window/display
  LIBS s_platform_window PkgConfig::VERITOME_XTEST_DEPS)
veritome_bench(window_bench
  SOURCES bench/window.cpp
  LIBS s_platform_window)
veritome_bench(edit_bench
  SOURCES bench/edit.cpp
  LIBS s_platform_window)
# ---- end of window layer ---------------------------------------------------------------------

# ---- accessibility: ATK objects on the AT-SPI bridge, run on the desktop bus thread ----------
pkg_check_modules(VERITOME_ACCESS_DEPS REQUIRED IMPORTED_TARGET atk atk-bridge-2.0 gio-2.0)
veritome_library(s_platform_access
  DIRS src/platform/access
  LIBS s_platform_window s_platform_app PkgConfig::VERITOME_ACCESS_DEPS)

# ---- component tree and layouts (src/gui) -----------------------------------------------------
veritome_library(s_gui
  DIRS src/gui src/gui/access src/gui/events src/gui/layout src/gui/win src/gui/scrollbar/**
       src/gui/drawer/** src/gui/menuitem src/gui/combobox
  LIBS s_platform_window s_platform_access s_foundation s_settings)
veritome_test(gui_tests
  DIRS tests/gui/**
  EXCLUDE "/tests/gui/display/"
  LIBS s_gui)
# Top-level windows on a real display (Xvfb and openbox per test process).
add_library(veritome_xserver STATIC tests/platform/window/display/XServer.cpp)
target_link_libraries(veritome_xserver PUBLIC s_platform_window PkgConfig::VERITOME_XTEST_DEPS)
target_compile_definitions(veritome_xserver
  PRIVATE VERITOME_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
veritome_test(gui_display_tests
  DIRS tests/gui/display
  LIBS s_gui veritome_xserver)
veritome_bench(layout_bench
  SOURCES bench/layout.cpp
  LIBS s_gui)
# ---- end of component tree and layouts -------------------------------------------------------

# ---- drop-dialog frame and About window (src/gui/dialogs) ------------------------------------
veritome_library(s_frame
  DIRS src/gui/dialogs/**
  LIBS s_gui s_settings s_app)
veritome_test(frame_tests
  DIRS tests/frame
  LIBS s_frame)
veritome_test(frame_window_tests
  DIRS tests/frame/window
  LIBS s_frame)
# ---- end of drop-dialog frame ----------------------------------------------------------------

# ---- the theme gallery: one demo window per colour theme as PNG (scripts/theme-gallery) ------
pkg_check_modules(VERITOME_GALLERY_ZLIB REQUIRED IMPORTED_TARGET zlib)
add_executable(theme-gallery apps/theme-gallery/main.cpp)
target_link_libraries(theme-gallery PRIVATE s_gui PkgConfig::VERITOME_GALLERY_ZLIB)
# ---- end of the theme gallery ----------------------------------------------------------------

# ---- window layer (src/platform/window) ----------------------------------------------------
pkg_check_modules(VERITOME_WINDOW_DEPS REQUIRED IMPORTED_TARGET sdl2 x11 xext cairo pangocairo)
veritome_library(s_platform_window
  DIRS src/platform/window/**
  LIBS PkgConfig::VERITOME_WINDOW_DEPS)
veritome_test(platform_window_tests
  DIRS tests/platform/window
  LIBS s_platform_window)
# The same windows on a real display: each test process starts its own Xvfb and openbox.
pkg_check_modules(VERITOME_XTEST_DEPS IMPORTED_TARGET x11 xtst)
if(VERITOME_XTEST_DEPS_FOUND)
  veritome_test(platform_window_display_tests
    DIRS tests/platform/window/display
    LIBS s_platform_window PkgConfig::VERITOME_XTEST_DEPS)
endif()
veritome_bench(window_bench
  SOURCES bench/window.cpp
  LIBS s_platform_window)
veritome_bench(edit_bench
  SOURCES bench/edit.cpp
  LIBS s_platform_window)
# ---- end of window layer ---------------------------------------------------------------------

# ---- component tree and layouts (src/gui) -----------------------------------------------------
veritome_library(s_gui
  DIRS src/gui src/gui/events src/gui/layout src/gui/win src/gui/scrollbar/** src/gui/drawer/**
       src/gui/menuitem src/gui/combobox
  LIBS s_platform_window s_foundation s_settings)
veritome_test(gui_tests
  DIRS tests/gui/**
  EXCLUDE "/tests/gui/display/"
  LIBS s_gui)
# Top-level windows on a real display (Xvfb and openbox per test process).
if(VERITOME_XTEST_DEPS_FOUND)
  add_library(veritome_xserver STATIC tests/platform/window/display/XServer.cpp)
  target_link_libraries(veritome_xserver PUBLIC s_platform_window PkgConfig::VERITOME_XTEST_DEPS)
  target_compile_definitions(veritome_xserver
    PRIVATE VERITOME_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  veritome_test(gui_display_tests
    DIRS tests/gui/display
    LIBS s_gui veritome_xserver)
endif()
veritome_bench(layout_bench
  SOURCES bench/layout.cpp
  LIBS s_gui)
# ---- end of component tree and layouts -------------------------------------------------------

# ---- drop-dialog frame and About window (src/gui/dialogs) ------------------------------------
if(TARGET s_settings)
  # The windows are built once the window, widgets and menus they are made of are there.
  set(frame_exclude "")
  if(NOT EXISTS ${CMAKE_SOURCE_DIR}/src/gui/win/UIThread.h)
    set(frame_window_missing ON)
    list(APPEND frame_exclude "About3")
  endif()
  if(frame_window_missing OR NOT EXISTS ${CMAKE_SOURCE_DIR}/src/gui/win/ComboBox.h)
    set(frame_combo_missing ON)
    list(APPEND frame_exclude "FrameWindow")
  endif()
  if(frame_exclude)
    list(JOIN frame_exclude "|" frame_exclude)
    set(frame_exclude "/(${frame_exclude})\\.cpp$")
  else()
    set(frame_exclude "^$")
  endif()
  veritome_library(s_frame
    DIRS src/gui/dialogs/**
    EXCLUDE "${frame_exclude}"
    LIBS s_gui s_settings)
  if(NOT frame_window_missing)
    target_link_libraries(s_frame PUBLIC s_app)
  endif()
  veritome_test(frame_tests
    DIRS tests/frame
    LIBS s_frame)
  if(NOT frame_window_missing)
    veritome_test(frame_window_tests
      DIRS tests/frame/window
      LIBS s_frame)
    if(frame_combo_missing)
      target_compile_definitions(frame_window_tests PRIVATE VERITOME_FRAME_WINDOW=0)
    endif()
  endif()
endif()
# ---- end of drop-dialog frame ----------------------------------------------------------------

# ---- the theme gallery: one demo window per colour theme as PNG (scripts/theme-gallery) ------
pkg_check_modules(VERITOME_GALLERY_ZLIB IMPORTED_TARGET zlib)
if(VERITOME_GALLERY_ZLIB_FOUND)
  add_executable(theme-gallery apps/theme-gallery/main.cpp)
  target_link_libraries(theme-gallery PRIVATE s_gui PkgConfig::VERITOME_GALLERY_ZLIB)
endif()
# ---- end of the theme gallery ----------------------------------------------------------------

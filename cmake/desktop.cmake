# The program's place on the desktop and in the package: desktop entry (with the file-manager
# actions), icons, AppStream metainfo, the checksum-list file type, the file managers' context
# menus (Nautilus, Nemo, Dolphin), manual pages, bash completion, and the Debian package made by
# `cpack -G DEB`. Texts shown in the menus come from the language pack.
include(GNUInstallDirs)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(VERITOME_APP_ID example.zarnek.Veritome)
set(desktop_in ${CMAKE_SOURCE_DIR}/resources/desktop)
set(desktop_out ${CMAKE_BINARY_DIR}/desktop)
set(pack ${CMAKE_SOURCE_DIR}/resources/lang/pack.xml)
set(localize ${CMAKE_SOURCE_DIR}/tools/desktop/localize.py)

# Localized from the pack: template in resources/desktop, result in the build's desktop/.
set(desktop_generated)
foreach(pair
    "${VERITOME_APP_ID}.desktop.in;${VERITOME_APP_ID}.desktop"
    "veritome-compute.nemo_action.in;veritome-compute.nemo_action"
    "veritome-verify.nemo_action.in;veritome-verify.nemo_action"
    "veritome-servicemenu.desktop.in;veritome-servicemenu.desktop"
    "veritome-nautilus.py.in;veritome.py")
  list(GET pair 0 in)
  list(GET pair 1 out)
  add_custom_command(OUTPUT ${desktop_out}/${out}
    COMMAND ${Python3_EXECUTABLE} ${localize} ${pack} ${desktop_in}/${in} ${desktop_out}/${out}
    DEPENDS ${localize} ${pack} ${desktop_in}/${in}
    COMMENT "Localizing ${out}" VERBATIM)
  list(APPEND desktop_generated ${desktop_out}/${out})
endforeach()

# The version filled in; manual pages and the changelog compressed as Debian wants them.
configure_file(${desktop_in}/${VERITOME_APP_ID}.metainfo.xml
  ${desktop_out}/${VERITOME_APP_ID}.metainfo.xml @ONLY)
foreach(page veritome veritome-cli)
  configure_file(${CMAKE_SOURCE_DIR}/resources/man/${page}.1 ${desktop_out}/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${desktop_out}/${page}.1.gz
    COMMAND gzip -9nc ${desktop_out}/${page}.1 > ${desktop_out}/${page}.1.gz
    DEPENDS ${desktop_out}/${page}.1 VERBATIM)
  list(APPEND desktop_generated ${desktop_out}/${page}.1.gz)
endforeach()
add_custom_command(OUTPUT ${desktop_out}/changelog.gz
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/resources/debian/changelog > ${desktop_out}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/debian/changelog VERBATIM)
list(APPEND desktop_generated ${desktop_out}/changelog.gz)
add_custom_target(desktop_files ALL DEPENDS ${desktop_generated})
# `apps` (what run.sh and the README build before installing) is made at the end of the
# top-level file.
function(veritome_apps_need_desktop_files)
  if(TARGET apps)
    add_dependencies(apps desktop_files)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL veritome_apps_need_desktop_files)

set(share ${CMAKE_INSTALL_DATADIR})
install(FILES ${desktop_out}/${VERITOME_APP_ID}.desktop
  DESTINATION ${share}/applications COMPONENT desktop)
foreach(size ${VERITOME_ICON_SIZES})
  install(FILES ${VERITOME_PICTURES}/icon-${size}.png
    DESTINATION ${share}/icons/hicolor/${size}x${size}/apps
    RENAME veritome.png COMPONENT desktop)
endforeach()
install(FILES ${VERITOME_PICTURES}/icon.svg
  DESTINATION ${share}/icons/hicolor/scalable/apps RENAME veritome.svg COMPONENT desktop)
install(FILES ${desktop_out}/${VERITOME_APP_ID}.metainfo.xml
  DESTINATION ${share}/metainfo COMPONENT desktop)
install(FILES ${desktop_in}/veritome-checksums.xml
  DESTINATION ${share}/mime/packages RENAME ${VERITOME_APP_ID}.xml COMPONENT desktop)
install(FILES ${desktop_out}/veritome-compute.nemo_action ${desktop_out}/veritome-verify.nemo_action
  DESTINATION ${share}/nemo/actions COMPONENT desktop)
# Dolphin runs only service menus that are executable.
install(FILES ${desktop_out}/veritome-servicemenu.desktop
  DESTINATION ${share}/kio/servicemenus RENAME veritome.desktop
  PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
              WORLD_READ WORLD_EXECUTE
  COMPONENT desktop)
install(FILES ${desktop_out}/veritome.py
  DESTINATION ${share}/nautilus-python/extensions COMPONENT desktop)
install(FILES ${desktop_out}/veritome.1.gz ${desktop_out}/veritome-cli.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT desktop)
install(FILES ${CMAKE_SOURCE_DIR}/resources/completion/veritome-cli
  DESTINATION ${share}/bash-completion/completions COMPONENT desktop)
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright ${desktop_out}/changelog.gz
  DESTINATION ${share}/doc/veritome COMPONENT desktop)
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/lintian-overrides
  DESTINATION ${share}/lintian/overrides RENAME veritome COMPONENT desktop)

# The Debian package: cpack -G DEB in a build directory (Release for a package to hand out).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veritome)
set(CPACK_PACKAGE_VENDOR Zarnek)
set(CPACK_PACKAGE_CONTACT "Zarnek <feedback@zarnek.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compute and verify the hash codes of files")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/resources/debian/description)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zarnek.example/veritome/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The programs, the icons and the pack's fonts: every language shows without missing glyphs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xdg-desktop-portal | zenity | kdialog")
include(CPack)

# Checks of the installed files: the layout and the validators (tests/app/install_layout.sh),
# and the Nautilus extension's menu against a stand-in of the file manager's module.
add_test(NAME desktop_nautilus_menu
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/app/nautilus_menu_test.py
          ${desktop_out}/veritome.py)
set_tests_properties(desktop_nautilus_menu PROPERTIES LABELS app_tests)

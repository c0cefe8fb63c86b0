# Version of the three programs, installation like a desktop program, and the
# Debian package (cpack -G DEB). Targets are referred to by name only.

foreach(program quillon quillon-cli orvex-sim)
  if(TARGET ${program})
    target_compile_definitions(${program} PRIVATE QUILLON_VERSION="${PROJECT_VERSION}")
  endif()
endforeach()

include(GNUInstallDirs)
option(QUILLON_INSTALL_UDEV_RULE "Install the udev rule that gives the logged-in user access to USB serial adapters" ON)

set(QUILLON_APP_ID org.quillon.Quillon)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS quillon-cli orvex-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Compressed with gzip -9n, as Debian wants: no name or time stamp, so a
# rebuild gives the same bytes.
function(quillon_gzip source target)
  configure_file(${source} ${target} @ONLY)
  execute_process(COMMAND gzip -9nkf ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
foreach(page quillon quillon-cli orvex-sim)
  quillon_gzip(${packaging}/man/${page}.1 ${generated}/${page}.1)
  install(FILES ${generated}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# A native package: its changelog is changelog.gz.
quillon_gzip(${packaging}/deb/changelog ${generated}/changelog)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/quillon)
install(FILES ${generated}/changelog.gz ${packaging}/deb/copyright DESTINATION ${docdir})
install(FILES ${packaging}/deb/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME quillon)
install(FILES ${packaging}/quillon-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME quillon-cli)
if(QUILLON_INSTALL_UDEV_RULE)
  # Relative to the prefix: /usr/lib/udev/rules.d for the package.
  install(FILES ${packaging}/70-quillon-uaccess.rules DESTINATION lib/udev/rules.d)
endif()

if(TARGET quillon)
  install(TARGETS quillon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${packaging}/${QUILLON_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${packaging}/${QUILLON_APP_ID}.metainfo.xml ${generated}/${QUILLON_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${generated}/${QUILLON_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/res/src/157.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${QUILLON_APP_ID}.svg)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${packaging}/icons/${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${QUILLON_APP_ID}.png)
  endforeach()
endif()

if(QUILLON_TESTS AND TARGET quillon)
  add_test(NAME Install.IntoThrowAwayRoot
           COMMAND ${packaging}/check-install.sh ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/install-check)
endif()

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT "Quillon developers <quillon@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up and tune the Orvex flybarless flight controller")
# Lines of at most 80 characters, as lintian wants.
set(CPACK_PACKAGE_DESCRIPTION
    "Quillon configures the Orvex over a USB serial adapter: tuning, presets,
a setup wizard with a live receiver monitor, configuration files and
firmware upgrades. Includes quillon-cli and the simulated device orvex-sim.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${packaging}/deb/strip-comments.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plugins at run time, so no library link names them;
# the skin sets the font the fixed layout is measured for; the Chinese windows
# draw their texts in WenQuanYi Micro Hei (the font of the Chinese pictures).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, fonts-wqy-microhei")
# Qt's own dialogs (file dialog, message box buttons) in the pilot's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillon.invalid")
# Reload udev after install and removal, so a plugged-in adapter follows the rule.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${packaging}/deb/postinst;${packaging}/deb/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Installation and the Debian package.
#
#   cmake --install build/release --prefix /usr/local    (make install)
#   cpack in build/release                               (make package)
#
# Installed: both programs, the desktop launcher, the icon in the hicolor theme and
# the manual page of zeruda-cli. The package's dependencies are the Debian packages
# whose libraries the programs link (found by dpkg-shlibdeps) and those they load
# at run time without linking them.
include(GNUInstallDirs)
# Installing builds nothing by itself: `make install` and `make package` build just
# what is installed, not every test and benchmark of the tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS zeruda-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZERUDA_CLI_MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET zeruda)
  install(TARGETS zeruda RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/zeruda.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/zeruda.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeruda)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "zeruda maintainers <maintainers@zeruda.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Chinese company and baby names by traditional name numerology")
set(CPACK_PACKAGE_DESCRIPTION
    "zeruda helps choose and judge Chinese company, shop and baby names by traditional
name numerology: the legal representative's birth chart, the five grids and three
talents of a name, star ratings, generated candidate lists with export, and
reports. It brings a Qt desktop program (zeruda) and a command-line program
(zeruda-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcurl is loaded at the first fetch, not linked, so dpkg-shlibdeps cannot see it:
# the package is the one holding the libcurl.so.4 of this machine (its name changes
# between releases), at least 7.85.0, the first with the protocol options the client sets.
find_library(ZERUDA_CURL_RUNTIME NAMES libcurl.so.4)
set(curl_package libcurl4)
if(ZERUDA_CURL_RUNTIME)
  file(REAL_PATH ${ZERUDA_CURL_RUNTIME} curl_file)
  execute_process(COMMAND dpkg-query -S ${curl_file} OUTPUT_VARIABLE curl_owner ERROR_QUIET)
  if(curl_owner MATCHES "^([^:,]+)[:,]")
    set(curl_package ${CMAKE_MATCH_1})
  endif()
endif()
# Loaded at run time as well: the window system plugins, Qt's Chinese texts for its
# dialogs, and a font with Chinese characters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "${curl_package} (>= 7.85.0), qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk")
include(CPack)

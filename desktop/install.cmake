# Installing Pellmore as a desktop program, and its Debian package.
# Layout under the prefix: bin/pellmore; share/pellmore/ with the help document
# and the default settings; the desktop entry, the roster file type, the
# icons, the AppStream metainfo and the man page where the desktop looks.
include(GNUInstallDirs)

# Reverse-DNS name of the desktop entry, icons and metainfo.
set(PELLMORE_APP_ID "org.example.Pellmore")
# Date of the release named by the project version.
set(PELLMORE_RELEASE_DATE "2026-12-10")

set(PELLMORE_DATADIR "${CMAKE_INSTALL_DATADIR}/pellmore")

# The program finds its shipped files from its own folder, so an installed
# tree can be moved (or staged under DESTDIR) as a whole.
set(_bin "${CMAKE_INSTALL_BINDIR}")
set(_data "${PELLMORE_DATADIR}")
if(NOT IS_ABSOLUTE "${_bin}")
    set(_bin "/prefix/${_bin}")
endif()
if(NOT IS_ABSOLUTE "${_data}")
    set(_data "/prefix/${_data}")
endif()
file(RELATIVE_PATH PELLMORE_DATA_FROM_BIN "${_bin}" "${_data}")
set_property(SOURCE app/settingslocation.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS PELLMORE_DATA_FROM_BIN="${PELLMORE_DATA_FROM_BIN}")
set_property(SOURCE app/main.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS PELLMORE_APP_ID="${PELLMORE_APP_ID}")

set(_desktop "${CMAKE_CURRENT_SOURCE_DIR}/desktop")
configure_file(${_desktop}/pellmore.desktop.in ${PELLMORE_APP_ID}.desktop @ONLY)
configure_file(${_desktop}/pellmore.metainfo.xml.in ${PELLMORE_APP_ID}.metainfo.xml @ONLY)

install(TARGETS pellmore RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/PEL2000.html resources/pellmore.INI DESTINATION ${PELLMORE_DATADIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${PELLMORE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_desktop}/pellmore-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${PELLMORE_APP_ID}.xml)
install(FILES ${_desktop}/pellmore.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${PELLMORE_APP_ID}.svg)
install(FILES ${_desktop}/pellmore-48.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME ${PELLMORE_APP_ID}.png)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${PELLMORE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The man page names the data folder of the prefix it is installed under
# (the package's differs from the build's), so it is made at install time.
install(CODE "
    set(PROJECT_VERSION \"${PROJECT_VERSION}\")
    set(PELLMORE_RELEASE_DATE \"${PELLMORE_RELEASE_DATE}\")
    set(PELLMORE_FULL_DATADIR \"${PELLMORE_DATADIR}\")
    if(NOT IS_ABSOLUTE \"\${PELLMORE_FULL_DATADIR}\")
        set(PELLMORE_FULL_DATADIR \"\${CMAKE_INSTALL_PREFIX}/\${PELLMORE_FULL_DATADIR}\")
    endif()
    configure_file(\"${_desktop}/pellmore.1.in\" \"${CMAKE_CURRENT_BINARY_DIR}/man/pellmore.1\" @ONLY)
    execute_process(COMMAND gzip -9nf \"${CMAKE_CURRENT_BINARY_DIR}/man/pellmore.1\" COMMAND_ERROR_IS_FATAL ANY)
    file(INSTALL \"${CMAKE_CURRENT_BINARY_DIR}/man/pellmore.1.gz\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\")
")

# make package: a Debian package whose dependencies dpkg-shlibdeps reads from
# the program; the window also needs Qt's platform plugins, which the Qt
# libraries only recommend, and the font its layout is measured in.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "pellmore")
set(CPACK_PACKAGE_VENDOR "The Pellmore developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write the line-up and orders of a play-by-mail football team")
set(CPACK_PACKAGE_DESCRIPTION
    "Pellmore is a desktop program for managers of teams in play-by-mail football\n"
    "leagues: it opens the roster sent by the game master, rates and checks the\n"
    "line-up against the squad rules as it is built, and saves the line-up, bids\n"
    "and press statement in the league's own formats, packed into one zip archive.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Pellmore developers <pellmore-support@example.org>")
set(CPACK_STRIP_FILES ON)
include(CPack)

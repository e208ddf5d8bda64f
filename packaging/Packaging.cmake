# What a desktop needs beside the two programs (icons, AppStream data, the MIME type of .bwf, the
# viewer's manual page, the copyright and changelog), and the Debian package that holds it all:
# scripts/package runs cpack on the build folder.

set(OVALIS_PACKAGING ${CMAKE_CURRENT_LIST_DIR})

# The 64-pixel icon is res/ovalis.png, installed with the program; the others come from the same
# drawing (res/icons/make_icons).
foreach(size 16 22 24 32 48 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/res/icons/ovalis-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ovalis.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/res/icons/ovalis.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${OVALIS_PACKAGING}/org.ovalis.Ovalis.metainfo.xml
              ${OVALIS_PACKAGING}/org.ovalis.OvalisTable.metainfo.xml DESTINATION share/metainfo)
install(FILES ${OVALIS_PACKAGING}/ovalis-bwf.xml DESTINATION share/mime/packages RENAME ovalis.xml)
install(FILES ${OVALIS_PACKAGING}/ovalis.1 DESTINATION share/man/man1)
install(FILES ${OVALIS_PACKAGING}/copyright ${OVALIS_PACKAGING}/changelog
        DESTINATION share/doc/ovalis)

if(OVALIS_TESTS)
    find_program(APPSTREAMCLI appstreamcli)
    if(APPSTREAMCLI)
        add_test(NAME PackagingTest.MetainfoValidates
                 COMMAND ${APPSTREAMCLI} validate --no-net
                         ${OVALIS_PACKAGING}/org.ovalis.Ovalis.metainfo.xml
                         ${OVALIS_PACKAGING}/org.ovalis.OvalisTable.metainfo.xml)
    endif()
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(DESKTOP_FILE_VALIDATE)
        add_test(NAME PackagingTest.DesktopEntryValidates
                 COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/res/ovalis.desktop
                         ${CMAKE_SOURCE_DIR}/res/ovalis-table.desktop)
    endif()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ovalis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ovalis developers <developers@ovalis.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "viewer and editor for Broadcast Wave files
Ovalis shows a RIFF WAVE or Broadcast Wave file as a window of tabs: an
overview with a summary of the file and a player, then one tab per chunk.
The fields of the format, fact and broadcast extension chunks can be edited
and saved without touching the audio.

The command-line companion ovalis-cli lists and edits many files at once,
as text, JSON or CSV; ovalis-table shows and edits them in one table.")
# The libraries the programs link come from dpkg-shlibdeps; Qt's window system plugin is loaded
# at run time, and the player's GStreamer plugins are optional (the viewer says what is missing).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${OVALIS_PACKAGING}/CompressDocs.cmake)
include(CPack)

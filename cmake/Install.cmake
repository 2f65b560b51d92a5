# Installation as a desktop program, and the Debian package.

install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/nocturna
  FILES_MATCHING PATTERN "*.rtf" PATTERN "*.png" PATTERN "*.svg"
  PATTERN "icons" EXCLUDE)

install(FILES ${PROJECT_SOURCE_DIR}/data/nocturna.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/org.nocturna.Nocturna.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/nocturna-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME nocturna.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/nocturna.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

file(GLOB MAN_PAGES ${PROJECT_SOURCE_DIR}/man/*.1)
install(FILES ${MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nocturna)
set(CPACK_PACKAGE_VENDOR "Nocturna")
set(CPACK_PACKAGE_CONTACT "Nocturna developers <nocturna@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sky chart and almanac for marine celestial navigation")
# The long description: one control-file line per line here, none of them indented.
set(CPACK_PACKAGE_DESCRIPTION "Nocturna computes the Sun, the Moon, Venus, Mars, Jupiter, Saturn and the
57 navigational stars for a zone date and time and a dead-reckoning position,
reduces each to computed altitude (Hc) and true azimuth (Zn), and draws the
visible sky centred on the zenith beside the day's almanac values and events.
It lists the visible bodies, shows an almanac page of every star and planet,
takes the position from a GPS receiver on a serial port and prints the chart.
The command nocturna-almanac gives the same values as text, JSON, PNG or PDF.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps adds the libraries the programs link (Qt 6 Core, Gui, Widgets, PrintSupport,
# the C and C++ runtimes). Fonts and the Qt platform plugins are loaded at run time, so it cannot
# see them: DejaVu is the last substitute for every font the windows name; Liberation Sans and
# the URW fonts are the closer ones (plain text, the script name plate).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2 | fonts-liberation, fonts-urw-base35, hicolor-icon-theme")
include(CPack)

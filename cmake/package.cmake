# The Debian packages, one per install component (`cpack -G DEB`, see scripts/package.sh): a box
# without a screen installs tavreld alone and gets no Qt.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrel)
set(CPACK_PACKAGE_VENDOR "Tavrel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TAVREL_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tavreld tavrel morvpci)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_TAVRELD_PACKAGE_NAME tavreld)
set(CPACK_DEBIAN_TAVREL_PACKAGE_NAME tavrel)
set(CPACK_DEBIAN_MORVPCI_PACKAGE_NAME morvpci)
# MQTT loads libmosquitto only when it is switched on, and holiday calendars load libical only when
# calendar files are set, so the libraries are suggestions, not dependencies.
set(CPACK_DEBIAN_TAVRELD_PACKAGE_SUGGESTS "tavrel, morvpci, libmosquitto1, libical3")
set(CPACK_DEBIAN_TAVREL_PACKAGE_SUGGESTS "tavreld, morvpci, libmosquitto1, libical3")
set(CPACK_DEBIAN_MORVPCI_PACKAGE_RECOMMENDS "pci.ids")
set(CPACK_DEBIAN_MORVPCI_PACKAGE_SECTION admin)

# The daemon's package tells systemd about its unit and keeps /etc/default/tavreld as a conffile; it
# never enables or starts the service by itself.
set(tavrel_scripts ${PROJECT_SOURCE_DIR}/packaging/debian/tavreld)
file(WRITE ${PROJECT_BINARY_DIR}/packaging/tavreld/conffiles "${CMAKE_INSTALL_FULL_SYSCONFDIR}/default/tavreld\n")
set(CPACK_DEBIAN_TAVRELD_PACKAGE_CONTROL_EXTRA ${tavrel_scripts}/postinst ${tavrel_scripts}/prerm
                                              ${tavrel_scripts}/postrm ${PROJECT_BINARY_DIR}/packaging/tavreld/conffiles)

set(CPACK_COMPONENT_TAVRELD_DESCRIPTION
    "relay scheduler for PC interface boards, without a window
tavreld switches the relays of a PC interface board by a daily and weekly
schedule: up to six ON/OFF times per relay, the days of the week it runs and
an optional cycle. It drives relay cards on the PC's I/O ports and X10
power-line modules through a FireCracker on a serial port, and can emulate a
board. After a power failure or a crash it resumes the running schedule.
.
This package holds the program without a window, its systemd units (not
enabled on installation), an example schedule and its manual page.")
set(CPACK_COMPONENT_TAVREL_DESCRIPTION
    "relay scheduler for PC interface boards, with its window
tavrel switches the relays of a PC interface board by a daily and weekly
schedule, showing each relay's state, inputs and counters in its main window,
where schedules and the board configuration are edited too.
.
This package holds the program with its window, its desktop entry and icon.
The package tavreld runs the same schedules without a window or as a
service.")
set(CPACK_COMPONENT_MORVPCI_DESCRIPTION
    "PCI function lister for finding an interface card's I/O address
morvpci lists the PCI functions of the machine with their vendor and device
names, base addresses and interrupt, in a dialog or as a text report, so
that the I/O address of a relay card can be entered into Tavrel's
configuration.")

include(CPack)

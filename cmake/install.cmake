# Where `cmake --install` puts the programs and their files on Linux. Each file belongs to one of three
# components, which become the Debian packages (cmake/package.cmake): tavreld (the daemon, no Qt), tavrel
# (the window) and morvpci (the PCI tool).
include(GNUInstallDirs)

set(tavrel_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(tavrel_generated ${PROJECT_BINARY_DIR}/packaging)

# systemd's unit folders: the distribution's own for an install into /usr, else under the prefix
# (systemd also reads /usr/local/lib/systemd/{system,user}).
set(tavrel_system_unit_dir ${CMAKE_INSTALL_PREFIX}/lib/systemd/system)
set(tavrel_user_unit_dir ${CMAKE_INSTALL_PREFIX}/lib/systemd/user)
set(tavrel_tmpfiles_dir ${CMAKE_INSTALL_PREFIX}/lib/tmpfiles.d)
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    find_package(PkgConfig QUIET)
    if(PkgConfig_FOUND)
        pkg_get_variable(systemd_system_unit_dir systemd systemdsystemunitdir)
        pkg_get_variable(systemd_user_unit_dir systemd systemduserunitdir)
        if(systemd_system_unit_dir)
            set(tavrel_system_unit_dir ${systemd_system_unit_dir})
        endif()
        if(systemd_user_unit_dir)
            set(tavrel_user_unit_dir ${systemd_user_unit_dir})
        endif()
        pkg_get_variable(systemd_tmpfiles_dir systemd tmpfilesdir)
        if(systemd_tmpfiles_dir)
            set(tavrel_tmpfiles_dir ${systemd_tmpfiles_dir})
        endif()
    endif()
endif()
set(TAVREL_SYSTEMD_SYSTEM_UNIT_DIR ${tavrel_system_unit_dir} CACHE PATH "Folder of systemd's system units")
set(TAVREL_SYSTEMD_USER_UNIT_DIR ${tavrel_user_unit_dir} CACHE PATH "Folder of systemd's user units")
set(TAVREL_TMPFILES_DIR ${tavrel_tmpfiles_dir} CACHE PATH "Folder of systemd-tmpfiles' configuration")

set(TAVREL_PACKAGE_MAINTAINER "Tavrel maintainers <maintainers@tavrel.invalid>"
    CACHE STRING "Maintainer of the Debian packages, as \"Name <address>\"")

# The same date in the man pages and the changelog; SOURCE_DATE_EPOCH makes it reproducible.
string(TIMESTAMP TAVREL_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP TAVREL_CHANGELOG_DATE "%a, %d %b %Y 00:00:00 +0000" UTC)

# Files that carry the version or the install paths are made from templates at configure time.
foreach(page tavrel.1 tavreld.8 morvpci.1 tavrel.run.5)
    configure_file(${tavrel_packaging}/man/${page}.in ${tavrel_generated}/man/${page} @ONLY)
endforeach()
configure_file(${tavrel_packaging}/debian/changelog.in ${tavrel_generated}/changelog @ONLY)
configure_file(${tavrel_packaging}/systemd/tavreld.service.in ${tavrel_generated}/system/tavreld.service @ONLY)
configure_file(${tavrel_packaging}/systemd/user/tavreld.service.in ${tavrel_generated}/user/tavreld.service
               @ONLY)

# Man pages and the changelog are installed compressed, as Debian wants them (no name or time stored).
find_program(TAVREL_GZIP gzip REQUIRED)
set(compressed)
foreach(file man/tavrel.1 man/tavreld.8 man/morvpci.1 man/tavrel.run.5 changelog)
    set(copy ${tavrel_generated}/gz/${file})
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${tavrel_generated}/${file} ${copy}
        COMMAND ${TAVREL_GZIP} -9 -n -f ${copy}
        DEPENDS ${tavrel_generated}/${file}
        COMMENT "Compressing ${file}"
        VERBATIM)
    list(APPEND compressed ${copy}.gz)
endforeach()
add_custom_target(tavrel_compressed_docs ALL DEPENDS ${compressed})

install(TARGETS tavreld RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tavreld)
install(TARGETS tavrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tavrel)
install(TARGETS morvpci RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT morvpci)

install(FILES ${tavrel_generated}/gz/man/tavrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tavrel)
install(FILES ${tavrel_generated}/gz/man/morvpci.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT morvpci)
install(FILES ${tavrel_generated}/gz/man/tavreld.8.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man8 COMPONENT tavreld)
# The run files' page goes with tavreld, which every box has; the window's own Help says the same.
install(FILES ${tavrel_generated}/gz/man/tavrel.run.5.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man5 COMPONENT tavreld)

foreach(program tavrel morvpci)
    install(FILES ${tavrel_packaging}/desktop/${program}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${program})
    install(FILES ${tavrel_packaging}/icons/${program}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT ${program})
endforeach()

install(FILES ${tavrel_generated}/system/tavreld.service DESTINATION ${TAVREL_SYSTEMD_SYSTEM_UNIT_DIR}
        COMPONENT tavreld)
install(FILES ${tavrel_generated}/user/tavreld.service DESTINATION ${TAVREL_SYSTEMD_USER_UNIT_DIR}
        COMPONENT tavreld)
install(FILES ${tavrel_packaging}/systemd/tavrel.tmpfiles DESTINATION ${TAVREL_TMPFILES_DIR} RENAME tavrel.conf
        COMPONENT tavreld)
install(FILES ${tavrel_packaging}/systemd/tavreld.default DESTINATION ${CMAKE_INSTALL_FULL_SYSCONFDIR}/default
        RENAME tavreld COMPONENT tavreld)

# Each package has its own documentation folder, as Debian wants (share/doc/PACKAGE with the copyright
# and the changelog); the daemon's holds the example schedule, configuration and holiday calendar.
foreach(package tavreld tavrel morvpci)
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${package})
    install(FILES ${PROJECT_SOURCE_DIR}/README.md ${tavrel_packaging}/debian/copyright
                  ${tavrel_generated}/gz/changelog.gz
            DESTINATION ${doc_dir} COMPONENT ${package})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/examples/demo.run ${PROJECT_SOURCE_DIR}/examples/demo-config.reg
              ${PROJECT_SOURCE_DIR}/examples/holidays.ics
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavreld/examples COMPONENT tavreld)

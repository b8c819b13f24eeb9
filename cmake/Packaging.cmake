# Debian packages with CPack, one per install component:
#   libkytpreview-core8     core    the core library and the barcode fonts
#   libkytpreview-widgets8  widgets the widgets library and the help pages
#   libkytpreview-dev       development
#   kytpreview              program the program, desktop entry, file type,
#                                   icon, AppStream data, manual pages and
#                                   shell completion
# Build them from a tree configured for the system prefix:
#   scripts/package.sh (cmake -DCMAKE_INSTALL_PREFIX=/usr ..., then cpack -G DEB)
# Library dependencies are computed by dpkg-shlibdeps.

set(KYT_DEB_MAINTAINER "KYTPreview developers <kytpreview@lists.example.org>")
set(kyt_deb_components core widgets development program)
set(kyt_deb_name_core libkytpreview-core${PROJECT_VERSION_MAJOR})
set(kyt_deb_name_widgets libkytpreview-widgets${PROJECT_VERSION_MAJOR})
set(kyt_deb_name_development libkytpreview-dev)
set(kyt_deb_name_program kytpreview)

# Each package carries the licence and the changelog in its doc folder, as
# Debian asks.
set(kyt_deb_doc ${PROJECT_BINARY_DIR}/debian-doc)
file(MAKE_DIRECTORY ${kyt_deb_doc})
file(READ ${PROJECT_SOURCE_DIR}/LICENSE kyt_license)
string(REGEX REPLACE "\n\n" "\n.\n" kyt_license_dep5 "${kyt_license}")
string(REGEX REPLACE "\n" "\n " kyt_license_dep5 "${kyt_license_dep5}")
file(WRITE ${kyt_deb_doc}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: KYTPreview\n"
  "\n"
  "Files: *\n"
  "Copyright: 2026 The KYTPreview developers\n"
  "License: Expat\n"
  " ${kyt_license_dep5}\n")
# The date of the release (CHANGELOG.md), so that packages build reproducibly.
set(kyt_deb_date "Sun, 06 Dec 2026 00:00:00 +0000")
file(WRITE ${kyt_deb_doc}/changelog
  "kytpreview (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
  "  * Release ${PROJECT_VERSION}; the changes are listed in\n"
  "    /usr/share/doc/libkytpreview-dev/CHANGELOG.md.\n\n"
  " -- ${KYT_DEB_MAINTAINER}  ${kyt_deb_date}\n")
find_program(KYT_GZIP gzip)
if(KYT_GZIP)
  execute_process(COMMAND ${KYT_GZIP} -9nf ${kyt_deb_doc}/changelog)
endif()
foreach(component IN LISTS kyt_deb_components)
  install(FILES ${kyt_deb_doc}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${kyt_deb_name_${component}}
    COMPONENT ${component})
  if(KYT_GZIP)
    install(FILES ${kyt_deb_doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${kyt_deb_name_${component}}
      COMPONENT ${component})
  endif()
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${kyt_deb_name_development}
  COMPONENT development)

set(CPACK_PACKAGE_NAME kytpreview)
set(CPACK_PACKAGE_VENDOR "The KYTPreview developers")
set(CPACK_PACKAGE_CONTACT "${KYT_DEB_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL ${kyt_deb_components})
set(CPACK_DEB_COMPONENT_INSTALL ON)
# Install with DESTDIR, so that files written at install time (the
# pkg-config files) name the real prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries of the other packages built here are found by dpkg-shlibdeps
# in the staging tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
  ${CMAKE_BINARY_DIR}/_CPack_Packages/Linux/DEB/${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-Linux/core${CMAKE_INSTALL_FULL_LIBDIR}
  ${CMAKE_BINARY_DIR}/_CPack_Packages/Linux/DEB/${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-Linux/widgets${CMAKE_INSTALL_FULL_LIBDIR})

# The libraries' packages refresh the linker cache with dpkg's ldconfig
# trigger; the empty maintainer scripts keep CPack from writing its own,
# which call ldconfig directly.
set(kyt_deb_control ${PROJECT_BINARY_DIR}/debian-control)
file(WRITE ${kyt_deb_control}/triggers "activate-noawait ldconfig\n")
foreach(script postinst postrm)
  file(WRITE ${kyt_deb_control}/${script} "#!/bin/sh\nset -e\n# The linker cache is refreshed by the ldconfig trigger.\nexit 0\n")
endforeach()
set(kyt_deb_library_control ${kyt_deb_control}/triggers ${kyt_deb_control}/postinst ${kyt_deb_control}/postrm)
# Each package's synopsis is the first line of its description below; the
# project's one-line summary would otherwise be put in front of them all.
# CPack indents the other lines and turns empty ones into " ." (lines given
# indented would be indented twice, as it strips only the last one).
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE} "unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)\n")

set(CPACK_DEBIAN_CORE_PACKAGE_NAME ${kyt_deb_name_core})
set(CPACK_DEBIAN_CORE_PACKAGE_CONTROL_EXTRA ${kyt_deb_library_control})
set(CPACK_DEBIAN_CORE_PACKAGE_SECTION libs)
# libcups is loaded when a queue is first used and the SQLite driver is a Qt
# plugin, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_CORE_PACKAGE_DEPENDS "libcups2, libqt6sql6-sqlite")
set(CPACK_DEBIAN_CORE_DESCRIPTION "ID card template library: core library
Reads and writes identification card templates, fills them with field
values, draws them with their barcodes and pictures, and prints them to
PDF files or CUPS queues. Needs no window system.

This package holds the shared library and the barcode fonts it draws with.")
set(CPACK_DEBIAN_WIDGETS_PACKAGE_NAME ${kyt_deb_name_widgets})
set(CPACK_DEBIAN_WIDGETS_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_WIDGETS_PACKAGE_CONTROL_EXTRA ${kyt_deb_library_control})
set(CPACK_DEBIAN_WIDGETS_DESCRIPTION "ID card template library: preview control and designer
The Preview control that host applications embed to show cards, and the
card designer window with its dialogs.

This package holds the shared library and the designer's help pages.")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME ${kyt_deb_name_development})
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "ID card template library: development files
Headers, the CMake package (components core and widgets) and the
pkg-config files kytpreview-core and kytpreview for building host
applications against the KYTPreview libraries.")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME ${kyt_deb_name_program})
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "ID card designer and command-line printing
The kytpreview program renders identification card templates to PNG and
PDF, prints them on CUPS queues one by one or in batches from CSV files,
checks them before printing, and opens the card designer.

Comes with a desktop menu entry, the template file type, manual pages and
bash, zsh and fish completion.")

include(CPack)
cpack_add_component(core DISPLAY_NAME "Core library")
cpack_add_component(widgets DISPLAY_NAME "Widgets library" DEPENDS core)
cpack_add_component(development DISPLAY_NAME "Development files" DEPENDS core widgets)
cpack_add_component(program DISPLAY_NAME "kytpreview" DEPENDS core widgets)

# The Debian package (`cpack -G DEB` in the build folder, or `make package`): quillet, at the
# project's version, with its dependencies computed from the programs plus what the program
# loads at run time that no linker sees.
include(${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake)

set(QUILLET_MAINTAINER "The Quillet developers <quillet@example.org>")
set(QUILLET_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillet)

# The copyright file in Debian's machine-readable form, with the licence text taken from
# LICENSE so that there is one copy of it: the text after the copyright line, each line
# indented by one blank and each empty line written as " .".
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE licence_lines)
list(FIND licence_lines "Copyright (c) 2026 The Quillet developers" copyright_line)
if(copyright_line EQUAL -1)
  message(FATAL_ERROR "LICENSE lost its copyright line")
endif()
math(EXPR first_line "${copyright_line} + 2")
list(SUBLIST licence_lines ${first_line} -1 licence_lines)
set(LICENSE_TEXT "")
foreach(line IN LISTS licence_lines)
  if(line STREQUAL "")
    set(line ".")
  endif()
  string(APPEND LICENSE_TEXT " ${line}\n")
endforeach()
string(STRIP "${LICENSE_TEXT}" LICENSE_TEXT)
set(LICENSE_TEXT " ${LICENSE_TEXT}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright
  @ONLY)
quillet_install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright DESTINATION ${QUILLET_DOC_DIR})

quillet_gzip(debian_changelog ${CMAKE_BINARY_DIR}/packaging ${PROJECT_SOURCE_DIR}/packaging/changelog)
quillet_install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${QUILLET_DOC_DIR})

set(CPACK_GENERATOR DEB)
# The package holds the one component; staging it as that component keeps CPack's install
# manifest apart from install_manifest.txt, which `make uninstall` needs after `make install`.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};quillet;/")
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUILLET_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for vectors, complex numbers and polynomial roots")
set(CPACK_PACKAGE_DESCRIPTION [[
A small calculator of dialogs. It gives the magnitudes, direction cosines,
sum, difference, dot and cross products and angle of two vectors in two or
three dimensions; eleven operations on complex numbers; and all real and
complex roots of quadratic, cubic and quartic polynomials, to five
significant digits.

The command quillet-calc runs the same calculators in a terminal or a
script, with plain or JSON output.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillet.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads at run time, where dpkg-shlibdeps cannot see it: Qt's platform
# plugins, among them the xcb one that opens the window, and Liberation Sans, the font the
# dialogs are drawn in. (Debian's libqt6gui6 carries the xcb plugin itself since
# 6.3.1+dfsg-6; before, it was in qt6-qpa-plugins, which libqt6gui6 only recommends.)
# packaging/check_on_minimal_system.sh shows what the program opens on a minimal system.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's Wayland platform plugin, so that the program opens its windows natively on a Wayland
# desktop, which Qt prefers once the plugin is there. Without it the program still runs there
# through Xwayland, so it is recommended rather than required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

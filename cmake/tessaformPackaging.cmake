# Debian packages by CPack: `cpack -G DEB` in a build folder writes one package per install
# component, named and versioned from the project:
#   libtessaform<major>  the shared library with its SONAME link (component runtime)
#   libtessaform-dev     headers, namelink, CMake package, pkg-config file (component dev)
#   tessaform-tools      the command-line program (component tools)
# dpkg-shlibdeps names the runtime packages of what the binaries link (Wild Magic 5, Clipper,
# the C++ runtime), so they follow the libraries actually linked rather than a hand-kept list.

set(CPACK_PACKAGE_NAME tessaform)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "tessaform developers")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Packages ship stripped binaries whatever the build type.
set(CPACK_STRIP_FILES ON)

set(CPACK_COMPONENTS_ALL runtime dev tools)
if(NOT TARGET tessaform_cli)
  list(REMOVE_ITEM CPACK_COMPONENTS_ALL tools)
endif()
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # <name>_<version>_<arch>.deb

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libtessaform${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# CPack puts the project description in front of each as the packages' summary line.
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "tessaform reads and writes complete sets of 5-axis operation
parameters in a versioned binary format, and provides byte streams with
checksum trailers, 2D and 3D geometry, tool-profile geometry, triangle meshes
with STL import and export, and toolpath containers.

This package holds the shared library.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libtessaform-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_DESCRIPTION "Development files of the tessaform library: headers, the
CMake package (find_package(tessaform)) and the pkg-config file.")
set(CPACK_COMPONENT_DEV_DEPENDS runtime)

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME tessaform-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_TOOLS_DESCRIPTION "The command-line program tessaform: shows, upgrades and
compares stored 5-axis parameter sets, describes and converts STL files, and
adds and verifies checksum trailers.")
set(CPACK_COMPONENT_TOOLS_DEPENDS runtime)

# A component's package depends on the packages of the components it depends on, at exactly this
# version: headers of one version describe the library of that version only.
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program links the library of this very build, which dpkg-shlibdeps finds where the build
# put it; its dependency on that package is the component dependency above.
if(CMAKE_LIBRARY_OUTPUT_DIRECTORY)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
else()
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
endif()
# A shlibs file in libtessaform<major> (with the ldconfig trigger), so packages built against it
# get their dependency from dpkg-shlibdeps in turn.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

include(CPack)

# Finds Wild Magic 5 (Debian libwildmagic-dev), which ships neither a CMake package nor a
# pkg-config file. Defines WildMagic5::Mathematics (with Core).
find_path(WildMagic5_INCLUDE_DIR Wm5TriangulateEC.h PATH_SUFFIXES libwildmagic)
find_library(WildMagic5_MATHEMATICS_LIBRARY Wm5Mathematics)
find_library(WildMagic5_CORE_LIBRARY Wm5Core)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(WildMagic5
  REQUIRED_VARS WildMagic5_INCLUDE_DIR WildMagic5_MATHEMATICS_LIBRARY WildMagic5_CORE_LIBRARY)

if(WildMagic5_FOUND AND NOT TARGET WildMagic5::Mathematics)
  add_library(WildMagic5::Core UNKNOWN IMPORTED)
  set_target_properties(WildMagic5::Core PROPERTIES
    IMPORTED_LOCATION ${WildMagic5_CORE_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${WildMagic5_INCLUDE_DIR})
  add_library(WildMagic5::Mathematics UNKNOWN IMPORTED)
  set_target_properties(WildMagic5::Mathematics PROPERTIES
    IMPORTED_LOCATION ${WildMagic5_MATHEMATICS_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${WildMagic5_INCLUDE_DIR}
    INTERFACE_LINK_LIBRARIES WildMagic5::Core)
endif()
mark_as_advanced(WildMagic5_INCLUDE_DIR WildMagic5_MATHEMATICS_LIBRARY WildMagic5_CORE_LIBRARY)

# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix, the
# variant with C++11 threads). Programs run under Wine through scripts/wine-run.sh, so CTest
# runs the whole suite on a Linux host.
#
# The dependencies come from scripts/windows-deps.sh; point TESSAFORM_WINDOWS_DEPS at its
# prefix when it is not the default build/windows-deps/prefix of this source tree.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSAFORM_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESSAFORM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSAFORM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSAFORM_MINGW_TRIPLE}-windres)

if(NOT TESSAFORM_WINDOWS_DEPS)
  if(DEFINED ENV{TESSAFORM_WINDOWS_DEPS})
    set(TESSAFORM_WINDOWS_DEPS $ENV{TESSAFORM_WINDOWS_DEPS})
  else()
    get_filename_component(TESSAFORM_WINDOWS_DEPS ${CMAKE_CURRENT_LIST_DIR}/../build/windows-deps/prefix ABSOLUTE)
  endif()
endif()
# try_compile projects read this file again; they need the same prefix.
set(ENV{TESSAFORM_WINDOWS_DEPS} ${TESSAFORM_WINDOWS_DEPS})

# Libraries and headers only from the MinGW sysroot and the dependency prefix, never from the
# host; programs (pkg-config, the compilers) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TESSAFORM_MINGW_TRIPLE} ${TESSAFORM_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# A consumer of an installed tessaform names its prefix in CMAKE_PREFIX_PATH; accept it as a
# root as well.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})

# pkg-config sees only the Windows packages.
set(ENV{PKG_CONFIG_LIBDIR} ${TESSAFORM_WINDOWS_DEPS}/lib/pkgconfig)
unset(ENV{PKG_CONFIG_PATH})

# Programs run under Wine and find the compiler's runtime DLLs (libstdc++, libgcc, winpthread)
# where the compiler keeps them.
set(TESSAFORM_MINGW_RUNTIME_DLLS)
set(runtime_dirs)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
  if(status EQUAL 0 AND IS_ABSOLUTE "${dll_path}" AND EXISTS "${dll_path}")
    get_filename_component(dll_path ${dll_path} REALPATH)
    list(APPEND TESSAFORM_MINGW_RUNTIME_DLLS ${dll_path})
    get_filename_component(dll_dir ${dll_path} DIRECTORY)
    list(APPEND runtime_dirs ${dll_dir})
  endif()
endforeach()
list(REMOVE_DUPLICATES runtime_dirs)
string(REPLACE ";" ":" runtime_dirs "${runtime_dirs}")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh --dll-path ${runtime_dirs})

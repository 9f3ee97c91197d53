// Symbol visibility of the tessaform shared library.
#pragma once

#if defined(_WIN32)
#  if defined(TESSAFORM_BUILDING)
#    define TESSAFORM_API __declspec(dllexport)
#  else
#    define TESSAFORM_API __declspec(dllimport)
#  endif
#else
#  define TESSAFORM_API __attribute__((visibility("default")))
#endif

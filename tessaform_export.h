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

// Explicit instantiation declarations (extern template) of exported class templates. Clang takes
// the visibility of a specialization from its first explicit instantiation, so it must be
// repeated there; GCC takes it from the template and warns about the repetition.
#if defined(__clang__) && !defined(_WIN32)
#  define TESSAFORM_EXTERN_TEMPLATE __attribute__((visibility("default")))
#else
#  define TESSAFORM_EXTERN_TEMPLATE
#endif

// The shim over operating-system services. Nothing outside platform/ includes system headers.
#pragma once

#include "tessaform_export.h"

#include <string>

namespace platform
{
/// Converts a wide file name to the name the operating system opens (UTF-8 on POSIX).
TESSAFORM_API std::string NativePathFromWide(const std::wstring& name);

/// Creates a new, empty, uniquely named file in `directory` whose name ends in `extension`
/// (given with or without its leading dot). Returns its path, or an empty string on failure.
TESSAFORM_API std::string CreateUniqueFile(const std::string& directory, const std::string& extension);

/// The directory for temporary files of this process (TMPDIR, else /tmp).
TESSAFORM_API std::string TemporaryDirectory();
} // namespace platform

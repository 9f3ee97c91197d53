// File names and file-system helpers.
#pragma once

#include "tessaform_export.h"

#include <cstdint>
#include <string>

namespace misc
{
/// A file path split into directory, name and extension.
class TESSAFORM_API qzFileName
{
public:
    qzFileName() = default;
    /// `isFile`: the path names a file (its last component is a file name); otherwise the
    /// whole path is a directory.
    qzFileName(const std::string& path, bool isFile);

    /// The whole path as given; both names return the same text.
    ///@{
    const std::string& GetFullPath() const { return m_path; }
    const std::string& GetFilePath() const { return m_path; }
    ///@}
    /// Directory part, with its trailing separator ("" for a bare name).
    std::string GetDirectory() const;
    /// File name with extension.
    std::string GetFileName() const;
    /// Extension without the dot ("" when the name has none).
    std::string GetFileExtention() const;
    /// File name without the extension.
    std::string GetFileTitle() const;

private:
    std::string m_path;
    bool m_isFile = true;
};

/// File-system helpers; none of them throws, failures are reported by the result.
class TESSAFORM_API qzFileSystem
{
public:
    /// True when `path` (UTF-8) names an existing regular file; false for a directory.
    static bool FileExists(const std::string& path);
    /// Size in bytes, or 0 when the file is missing.
    static std::uint64_t GetFileSize(const std::string& path);
    /// Removes the file (or an empty directory) at `path`; false when nothing was removed.
    static bool FileDelete(const std::string& path);
    /// Copies `source` to `target`, replacing an existing target unless `failIfExists` is set.
    static bool FileCopy(const std::string& source, const std::string& target, bool failIfExists);
    /// Creates a new empty file with a unique name in `directory` ending in `extension`;
    /// returns its path, or "" on failure.
    static std::string CreateTempFile(const std::string& directory, const std::string& extension);
    /// The directory for temporary files.
    static std::string GetTempDirectory();
};
} // namespace misc

// Files by path, and temporary files deleted with their last holder.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"

#include <string>

namespace misc
{
/// A file named by its path.
class TESSAFORM_API qzFile
{
public:
    /// Names the file at `path`; nothing is opened or created.
    explicit qzFile(const std::string& path = std::string());
    virtual ~qzFile();

    /// The path as given.
    const std::string& GetPath() const { return m_path; }

protected:
    /// Changes the path held; the file on disk is not touched.
    void SetPath(const std::string& path) { m_path = path; }

private:
    std::string m_path;
};

/// A temporary file in a given directory with a given extension. Copies share the file; the
/// file is deleted from disk when the last qzTempFile holding it lets it go.
class TESSAFORM_API qzTempFile
{
public:
    /// Holds no file yet; Init creates one in `tempDir`, its name ending in `extension`.
    qzTempFile(std::string tempDir, std::string extension);
    /// Shares `other`'s file, directory and extension; the file stays while any holder does.
    ///@{
    qzTempFile(const qzTempFile& other);
    qzTempFile& operator=(const qzTempFile& other);
    ///@}
    virtual ~qzTempFile();

    /// Creates a new empty temporary file and holds it; the previous one is deleted unless
    /// another qzTempFile still shares it. Throws qzException 0 when no file can be created.
    void Init();

    /// Makes the temporary file a copy of `path` (taking its extension when `takeExtension`);
    /// nothing happens when `path` is the current temporary file. Needs a held file
    /// ("Accessing NULL pointer" otherwise); a failed copy throws qzException 0
    /// "Can not copy from file <path> into temporary file <new path>".
    virtual void InitFromFile(const std::string& path, bool takeExtension);

    /// The held file (empty before Init).
    const qzAutoPointer<qzFile>& GetFile() const { return m_file; }
    /// Path of the held file; "Accessing NULL pointer" before Init.
    const std::string& GetFilePath() const { return m_file->GetPath(); }
    /// Directory and extension of the files Init creates.
    ///@{
    const std::string& GetTempDir() const { return m_tempDir; }
    const std::string& GetExtension() const { return m_extension; }
    ///@}

    /// The file of a qzTempFile: deletes itself from disk on destruction.
    class TESSAFORM_API qzTempFileCore : public qzFile
    {
    public:
        /// Takes charge of the existing file at `path`.
        explicit qzTempFileCore(const std::string& path);
        ~qzTempFileCore() override;
        qzTempFileCore(const qzTempFileCore&) = delete;
        qzTempFileCore& operator=(const qzTempFileCore&) = delete;
    };

private:
    void Copy(const qzTempFile& other);

    qzAutoPointer<qzFile> m_file;
    std::string m_tempDir;
    std::string m_extension;
};
} // namespace misc

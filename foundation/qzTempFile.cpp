#include "foundation/qzTempFile.h"

#include "brimlib/qzException.h"
#include "brimlib/qzFileSystem.h"

#include <utility>

namespace misc
{
qzFile::qzFile(const std::string& path) : m_path(path) {}
qzFile::~qzFile() = default;

qzTempFile::qzTempFileCore::qzTempFileCore(const std::string& path) : qzFile(path) {}

qzTempFile::qzTempFileCore::~qzTempFileCore()
{
    qzFileSystem::FileDelete(GetPath());
}

qzTempFile::qzTempFile(std::string tempDir, std::string extension)
    : m_tempDir(std::move(tempDir)), m_extension(std::move(extension))
{
}

qzTempFile::qzTempFile(const qzTempFile& other)
{
    Copy(other);
}

qzTempFile& qzTempFile::operator=(const qzTempFile& other)
{
    if (this != &other)
        Copy(other);
    return *this;
}

qzTempFile::~qzTempFile() = default;

void qzTempFile::Copy(const qzTempFile& other)
{
    m_file = other.m_file;
    m_tempDir = other.m_tempDir;
    m_extension = other.m_extension;
}

void qzTempFile::Init()
{
    const std::string path = qzFileSystem::CreateTempFile(m_tempDir, m_extension);
    if (path.empty())
        throw qzException(0, "Can not create a temporary file in " + m_tempDir);
    m_file = qzAutoPointer<qzFile>(new qzTempFileCore(path));
}

void qzTempFile::InitFromFile(const std::string& path, bool takeExtension)
{
    if (path == m_file->GetPath())
        return;
    if (takeExtension)
        m_extension = qzFileName(path, true).GetFileExtention();
    Init();
    const std::string& target = m_file->GetPath();
    if (!qzFileSystem::FileCopy(path, target, false))
        throw qzException(0, "Can not copy from file " + path + " into temporary file " + target);
}
} // namespace misc

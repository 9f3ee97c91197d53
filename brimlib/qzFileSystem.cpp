#include "brimlib/qzFileSystem.h"

#include "platform/qzPlatform.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace misc
{
namespace
{
std::size_t NameStart(const std::string& path)
{
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}
} // namespace

qzFileName::qzFileName(const std::string& path, bool isFile) : m_path(path), m_isFile(isFile) {}

std::string qzFileName::GetDirectory() const
{
    return m_isFile ? m_path.substr(0, NameStart(m_path)) : m_path;
}

std::string qzFileName::GetFileName() const
{
    return m_isFile ? m_path.substr(NameStart(m_path)) : std::string();
}

std::string qzFileName::GetFileExtention() const
{
    std::string name = GetFileName();
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot + 1);
}

std::string qzFileName::GetFileTitle() const
{
    std::string name = GetFileName();
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

bool qzFileSystem::FileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(fs::u8path(path), ec);
}

std::uint64_t qzFileSystem::GetFileSize(const std::string& path)
{
    std::error_code ec;
    std::uintmax_t size = fs::file_size(fs::u8path(path), ec);
    return ec ? 0 : static_cast<std::uint64_t>(size);
}

bool qzFileSystem::FileDelete(const std::string& path)
{
    std::error_code ec;
    return fs::remove(fs::u8path(path), ec);
}

bool qzFileSystem::FileCopy(const std::string& source, const std::string& target, bool failIfExists)
{
    return platform::FileCopy(source, target, failIfExists);
}

std::string qzFileSystem::CreateTempFile(const std::string& directory, const std::string& extension)
{
    return platform::CreateUniqueFile(directory, extension);
}

std::string qzFileSystem::GetTempDirectory()
{
    return platform::TemporaryDirectory();
}
} // namespace misc

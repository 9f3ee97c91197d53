#include "platform/qzPlatform.h"

#include <cstdlib>
#include <vector>

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <unistd.h>
#endif

namespace platform
{
std::string NativePathFromWide(const std::wstring& name)
{
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i)
    {
        unsigned long c = static_cast<unsigned long>(name[i]) & 0xFFFFFFFFul;
        // A surrogate pair (16-bit wchar_t) combines; a lone surrogate or a value beyond
        // Unicode becomes U+FFFD.
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size())
        {
            unsigned long low = static_cast<unsigned long>(name[i + 1]) & 0xFFFFFFFFul;
            if (low >= 0xDC00 && low <= 0xDFFF)
            {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80)
            out += static_cast<char>(c);
        else if (c < 0x800)
        {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else if (c < 0x10000)
        {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else
        {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string TemporaryDirectory()
{
#if defined(_WIN32)
    char buffer[MAX_PATH + 1];
    DWORD n = GetTempPathA(MAX_PATH + 1, buffer);
    return n ? std::string(buffer, n) : std::string(".");
#else
    const char* dir = std::getenv("TMPDIR");
    return (dir && *dir) ? std::string(dir) : std::string("/tmp");
#endif
}

std::string CreateUniqueFile(const std::string& directory, const std::string& extension)
{
    std::string suffix = extension;
    if (!suffix.empty() && suffix[0] != '.')
        suffix.insert(suffix.begin(), '.');
    std::string dir = directory.empty() ? TemporaryDirectory() : directory;
    if (dir.back() != '/' && dir.back() != '\\')
        dir += '/';
#if defined(_WIN32)
    char name[MAX_PATH];
    if (!GetTempFileNameA(dir.c_str(), "qz", 0, name))
        return std::string();
    std::string path(name);
    if (!suffix.empty())
    {
        std::string renamed = path + suffix;
        if (!MoveFileA(path.c_str(), renamed.c_str()))
        {
            DeleteFileA(path.c_str());
            return std::string();
        }
        path = renamed;
    }
    return path;
#else
    std::string pattern = dir + "qzXXXXXX" + suffix;
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    int fd = mkstemps(buffer.data(), static_cast<int>(suffix.size()));
    if (fd < 0)
        return std::string();
    close(fd);
    return std::string(buffer.data());
#endif
}
} // namespace platform

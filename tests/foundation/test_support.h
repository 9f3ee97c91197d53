// Helpers of the foundation tests: a scratch directory, whole-file I/O, random bytes and exception
// capture.
#pragma once

#include "brimlib/qzException.h"
#include "brimlib/qzFileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace tessaform_test
{
/// A fresh directory under the temporary directory, removed with its content.
class ScopedTempDir
{
public:
    ScopedTempDir()
        : m_path(misc::qzFileSystem::CreateTempFile(misc::qzFileSystem::GetTempDirectory(), "dir"))
    {
        // The unique file name reserved above becomes the directory.
        if (m_path.empty() || !misc::qzFileSystem::FileDelete(m_path) ||
            !std::filesystem::create_directory(std::filesystem::u8path(m_path)))
            throw std::runtime_error("cannot create a scratch directory");
    }
    ~ScopedTempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::u8path(m_path), ec);
    }
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string Path(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

inline void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream(std::filesystem::u8path(path), std::ios::binary) << content;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// `size` pseudo-random bytes, the same for the same seed.
inline std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator() & 0xFF);
    return bytes;
}

/// The exception of type E that `f` throws; records a failure when it throws none.
template <class E, class F> std::optional<E> Thrown(F&& f)
{
    try
    {
        f();
    }
    catch (const E& e)
    {
        return e;
    }
    ADD_FAILURE() << "expected an exception, none was thrown";
    return std::nullopt;
}

template <class F> unsigned long MiscErrorCode(F&& f)
{
    const auto e = Thrown<qzmiscException>(f);
    return e ? e->GetErrorCode() : 0;
}

template <class F> std::string ErrorMessage(F&& f)
{
    const auto e = Thrown<misc::qzException>(f);
    return e ? e->GetErrorMessage() : std::string();
}
} // namespace tessaform_test

// The operating-system shim: files by Unicode name, temporary files, committed blocks, the private
// heap and critical sections. The same expectations hold on POSIX and on Windows.
#include "brimlib/qzStringConv.h"
#include "platform/qzPlatform.h"
#include "../foundation/test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using tessaform_test::ReadFile;
using tessaform_test::ScopedTempDir;

// UTF-8 names: Latin-1 letters, other scripts of the basic plane, and characters beyond it
// (surrogate pairs in UTF-16).
const char* const kUnicodeNames[] = {
    "Fr\xC3\xA4se \xC3\xBC\xC3\x9F.bin",
    "\xE2\x82\xAC-\xCE\xA9-\xD1\x88\xD0\xBF\xD0\xB8\xD0\xBD\xD0\xB4\xD0\xB5\xD0\xBB\xD1\x8C.stl",
    "\xE5\xB7\xA5\xE5\x85\xB7.txt",
    "\xF0\x9F\x98\x80-\xF0\x9D\x94\x98.bin",
};

std::wstring Wide(const std::string& utf8)
{
    return misc::to_wide(utf8); // UTF-16 or UTF-32 by the width of wchar_t
}

std::vector<std::string> Entries(const std::string& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::u8path(directory)))
        names.push_back(entry.path().filename().u8string());
    return names;
}

TEST(PlatformFiles, UnicodeNamesReachTheFileSystemUnaltered)
{
    for (const char* name : kUnicodeNames)
    {
        SCOPED_TRACE(name);
        ScopedTempDir dir;
        const std::wstring path = Wide(dir.Path(name));
        std::FILE* file = platform::OpenFile(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(std::fwrite("\x01\r\n\x1A", 1, 4, file), 4u);
        EXPECT_EQ(std::fclose(file), 0);

        EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{name});
        EXPECT_EQ(ReadFile(dir.Path(name)), std::string("\x01\r\n\x1A", 4)) << "binary mode keeps every byte";

        file = platform::OpenFile(path.c_str(), "r+b"); // in place, no truncation
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(std::fputc('Z', file), 'Z');
        EXPECT_EQ(std::fclose(file), 0);
        EXPECT_EQ(ReadFile(dir.Path(name)), std::string("Z\r\n\x1A", 4));
    }
}

TEST(PlatformFiles, SurrogatePairsCombineAndStrayUnitsBecomeReplacementCharacters)
{
    auto native = [](std::initializer_list<unsigned> units) {
        std::wstring name;
        for (unsigned unit : units)
            name += static_cast<wchar_t>(unit);
        return platform::NativePathFromWide(name);
    };
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(native({0xD800, 0xDC00}), "\xF0\x90\x80\x80"); // U+10000, the first pair
    EXPECT_EQ(native({0xDBFF, 0xDFFF}), "\xF4\x8F\xBF\xBF"); // U+10FFFF, the last pair
    EXPECT_EQ(native({'a', 0xD800}), "a" + replacement);         // high unit at the end
    EXPECT_EQ(native({0xD800, 'a'}), replacement + "a");         // high unit before no low one
    EXPECT_EQ(native({0xDFFF, 0xDBFF}), replacement + replacement); // low before high
    EXPECT_EQ(native({0xD7FF, 0xE000}), "\xED\x9F\xBF\xEE\x80\x80"); // neighbours of the range
    if (sizeof(wchar_t) == 4)
        EXPECT_EQ(native({0x10FFFF, 0x110000}), "\xF4\x8F\xBF\xBF" + replacement);
}

TEST(PlatformFiles, MissingFilesAndBadArgumentsGiveNoFile)
{
    ScopedTempDir dir;
    EXPECT_EQ(platform::OpenFile(Wide(dir.Path("missing.bin")).c_str(), "rb"), nullptr);
    EXPECT_EQ(platform::OpenFile(Wide(dir.Path("no-dir/x.bin")).c_str(), "wb"), nullptr);
    EXPECT_EQ(platform::OpenFile(nullptr, "rb"), nullptr);
    EXPECT_EQ(platform::OpenFile(Wide(dir.Path("x.bin")).c_str(), nullptr), nullptr);
    EXPECT_TRUE(Entries(dir.Path()).empty()) << "a refused open creates nothing";
}

TEST(PlatformFiles, CopiesReplaceAnExistingTargetOnlyWhenAsked)
{
    ScopedTempDir dir;
    const std::string source = dir.Path(kUnicodeNames[0]), target = dir.Path(kUnicodeNames[3]);
    tessaform_test::WriteFile(source, std::string("new\0\r\n", 6));
    tessaform_test::WriteFile(target, "old content");

    EXPECT_FALSE(platform::FileCopy(source, target, true));
    EXPECT_EQ(ReadFile(target), "old content");
    EXPECT_TRUE(platform::FileCopy(source, target, false)) << "an existing target is replaced";
    EXPECT_EQ(ReadFile(target), std::string("new\0\r\n", 6));
    EXPECT_TRUE(platform::FileCopy(source, dir.Path("fresh.bin"), true));
    EXPECT_EQ(ReadFile(dir.Path("fresh.bin")), ReadFile(source));

    EXPECT_FALSE(platform::FileCopy(dir.Path("missing.bin"), target, false));
    EXPECT_FALSE(platform::FileCopy(source, source, false)) << "a file is not its own copy";
    EXPECT_EQ(ReadFile(source), std::string("new\0\r\n", 6));
}

TEST(PlatformFiles, UniqueFilesAreNewEmptyAndCarryTheirExtension)
{
    ScopedTempDir root;
    const std::string dir = root.Path("\xC3\xBC-dir"); // the directory name itself is not ASCII
    ASSERT_TRUE(fs::create_directory(fs::u8path(dir)));
    std::set<std::string> made;
    for (const char* extension : {"stl", ".stl", "", "tmp"})
    {
        for (int i = 0; i < 20; ++i)
        {
            const std::string path = platform::CreateUniqueFile(dir, extension);
            ASSERT_FALSE(path.empty()) << extension;
            EXPECT_TRUE(made.insert(path).second) << path << " handed out twice";
            EXPECT_TRUE(fs::is_regular_file(fs::u8path(path))) << path;
            EXPECT_EQ(fs::file_size(fs::u8path(path)), 0u);
            EXPECT_EQ(fs::u8path(path).parent_path(), fs::u8path(dir));
            const std::string wanted = *extension == '\0' || *extension == '.' ? extension : std::string(".") + extension;
            if (!wanted.empty())
            {
                EXPECT_EQ(fs::u8path(path).extension().u8string(), wanted);
            }
        }
    }
    EXPECT_EQ(Entries(dir).size(), made.size()) << "no reserved name is left behind";
    EXPECT_EQ(platform::CreateUniqueFile(root.Path("no-such-dir"), "stl"), "");
    EXPECT_TRUE(fs::is_directory(fs::u8path(platform::TemporaryDirectory())));
}

TEST(PlatformMemory, CommittedBlocksAreZeroedAndWritableToTheLastByte)
{
    // Below, at and beyond a 4 KiB page, and beyond a 2 MiB huge page.
    for (std::size_t bytes : {std::size_t(1), std::size_t(4095), std::size_t(4096), std::size_t(65537),
                              std::size_t(3) << 20})
    {
        SCOPED_TRACE(bytes);
        auto* block = static_cast<unsigned char*>(platform::CommitBlock(bytes));
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % 4096, 0u);
        std::size_t nonZero = 0;
        for (std::size_t i = 0; i < bytes; i += 509)
            nonZero += block[i] != 0;
        EXPECT_EQ(nonZero + block[bytes - 1], 0u);
        std::memset(block, 0xA5, bytes);
        EXPECT_EQ(block[bytes - 1], 0xA5);
        platform::ReleaseCommittedBlock(block, bytes);
    }
    EXPECT_EQ(platform::CommitBlock(0), nullptr);
    EXPECT_EQ(platform::CommitBlock(SIZE_MAX / 2), nullptr) << "beyond the address space";
    EXPECT_EQ(platform::CommitBlock(SIZE_MAX - 100), nullptr) << "rounding up to pages must not wrap";
    platform::ReleaseCommittedBlock(nullptr, 4096); // ignored
}

TEST(PlatformMemory, PrivateHeapBlocksAreDistinctAndKeepTheirContent)
{
    std::vector<std::pair<unsigned char*, std::size_t>> blocks;
    for (std::size_t i = 0; i < 600; ++i)
    {
        const std::size_t bytes = i % 7 == 0 ? 0 : (i * 37) % 5000 + 1;
        auto* block = static_cast<unsigned char*>(platform::HeapAllocate(bytes));
        ASSERT_NE(block, nullptr) << bytes;
        std::memset(block, static_cast<int>(i & 0xFF), bytes);
        blocks.emplace_back(block, bytes);
        if (i % 5 == 4) // release some on the way, so that later blocks reuse their room
        {
            platform::HeapRelease(blocks[i - 2].first);
            blocks[i - 2].second = 0;
        }
    }
    for (std::size_t i = 0; i < blocks.size(); ++i)
    {
        const auto [block, bytes] = blocks[i];
        for (std::size_t k = 0; k < bytes; ++k)
            ASSERT_EQ(block[k], i & 0xFF) << "block " << i << " was overwritten at " << k;
        if (!(i % 5 == 2 && i + 2 < blocks.size()))
            platform::HeapRelease(block);
    }
    platform::HeapRelease(nullptr); // ignored
}

TEST(PlatformLocks, CriticalSectionExcludesOtherThreads)
{
    platform::CriticalSection section;
    long counter = 0; // not atomic: only the lock keeps the increments whole
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 20000; ++i)
            {
                std::lock_guard<platform::CriticalSection> lock(section);
                counter = counter + 1;
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(counter, 80000);

    section.lock();
    bool taken = true;
    std::thread([&] { taken = section.try_lock(); }).join();
    EXPECT_FALSE(taken) << "held by another thread";
    section.unlock();
    std::thread([&] {
        taken = section.try_lock();
        if (taken)
            section.unlock();
    }).join();
    EXPECT_TRUE(taken);
}
} // namespace

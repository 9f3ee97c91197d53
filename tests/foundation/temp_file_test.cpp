#include "brimlib/qzFileSystem.h"
#include "foundation/qzTempFile.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
using misc::qzFileSystem;
using misc::qzTempFile;
using tessaform_test::ErrorMessage;
using tessaform_test::ReadFile;
using tessaform_test::ScopedTempDir;
using tessaform_test::WriteFile;

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class TempFileTest : public ::testing::Test
{
protected:
    ScopedTempDir m_dir;
};

TEST_F(TempFileTest, InitCreatesAnEmptyFileWithTheExtension)
{
    qzTempFile temp(m_dir.Path(), "tmp");
    EXPECT_TRUE(temp.GetFile().IsNull());
    temp.Init();
    const std::string& path = temp.GetFilePath();
    EXPECT_EQ(m_dir.Path() + "/", misc::qzFileName(path, true).GetDirectory());
    EXPECT_TRUE(EndsWith(path, ".tmp")) << path;
    EXPECT_TRUE(qzFileSystem::FileExists(path));
    EXPECT_EQ(0u, qzFileSystem::GetFileSize(path));

    qzTempFile dotted(m_dir.Path(), ".dat");
    dotted.Init();
    EXPECT_TRUE(EndsWith(dotted.GetFilePath(), ".dat"));
    EXPECT_FALSE(EndsWith(dotted.GetFilePath(), "..dat"));
    EXPECT_NE(path, dotted.GetFilePath());

    const std::string missing = m_dir.Path("no-such-dir");
    qzTempFile nowhere(missing, "tmp");
    EXPECT_EQ("Can not create a temporary file in " + missing, ErrorMessage([&] { nowhere.Init(); }));
}

TEST_F(TempFileTest, FileIsDeletedWithItsLastHolder)
{
    auto first = std::make_unique<qzTempFile>(m_dir.Path(), "tmp");
    first->Init();
    const std::string path = first->GetFilePath();
    auto second = std::make_unique<qzTempFile>(*first);
    EXPECT_EQ(path, second->GetFilePath());
    EXPECT_EQ(2u, second->GetFile().GetRefCount());
    first.reset();
    EXPECT_TRUE(qzFileSystem::FileExists(path));
    second.reset();
    EXPECT_FALSE(qzFileSystem::FileExists(path));

    qzTempFile a(m_dir.Path(), "a");
    qzTempFile b(m_dir.Path(), "b");
    a.Init();
    b.Init();
    const std::string oldA = a.GetFilePath();
    a = b; // a was the only holder of its file
    EXPECT_FALSE(qzFileSystem::FileExists(oldA));
    EXPECT_EQ(b.GetFilePath(), a.GetFilePath());
    EXPECT_EQ("b", a.GetExtension());
}

TEST_F(TempFileTest, SecondInitDeletesTheOldFileOnlyWhenNotShared)
{
    qzTempFile a(m_dir.Path(), "tmp");
    a.Init();
    const std::string shared = a.GetFilePath();
    qzTempFile b(a);
    b.Init();
    EXPECT_NE(shared, b.GetFilePath());
    EXPECT_TRUE(qzFileSystem::FileExists(shared)); // still held by a
    a.Init();
    EXPECT_FALSE(qzFileSystem::FileExists(shared));
    EXPECT_TRUE(qzFileSystem::FileExists(a.GetFilePath()));
    EXPECT_TRUE(qzFileSystem::FileExists(b.GetFilePath()));
}

TEST_F(TempFileTest, InitFromFileCopiesTheContent)
{
    const std::string source = m_dir.Path("source.step");
    WriteFile(source, std::string("line 1\r\n\0line 2", 15));
    qzTempFile temp(m_dir.Path(), "tmp");
    temp.Init();
    const std::string before = temp.GetFilePath();

    temp.InitFromFile(source, false);
    EXPECT_TRUE(EndsWith(temp.GetFilePath(), ".tmp"));
    EXPECT_EQ(ReadFile(source), ReadFile(temp.GetFilePath()));
    EXPECT_FALSE(qzFileSystem::FileExists(before));

    temp.InitFromFile(source, true);
    EXPECT_EQ("step", temp.GetExtension());
    EXPECT_TRUE(EndsWith(temp.GetFilePath(), ".step")) << temp.GetFilePath();
    EXPECT_EQ(ReadFile(source), ReadFile(temp.GetFilePath()));
    EXPECT_TRUE(qzFileSystem::FileExists(source));

    const std::string own = temp.GetFilePath(); // from its own file: nothing happens
    WriteFile(own, "kept");
    temp.InitFromFile(own, false);
    EXPECT_EQ(own, temp.GetFilePath());
    EXPECT_EQ("kept", ReadFile(own));
}

TEST_F(TempFileTest, InitFromFileFailures)
{
    const std::string source = m_dir.Path("missing.txt");
    qzTempFile temp(m_dir.Path(), "tmp");
    EXPECT_EQ("Accessing NULL pointer", ErrorMessage([&] { temp.InitFromFile(source, true); }));
    temp.Init();
    const std::string message = ErrorMessage([&] { temp.InitFromFile(source, false); });
    EXPECT_EQ("Can not copy from file " + source + " into temporary file " + temp.GetFilePath(), message);
}
} // namespace

// Writes a few values, a string and an embedded file into a memory stream and into a file,
// reads them back and prints what happened.
#include "tessaform.h"

#include <cstdio>
#include <fstream>
#include <iostream>

namespace
{
struct Record
{
    int count = 0;
    double feed = 0.0;
    bool rapid = false;
    std::string name;
};

void Write(misc::qzBinOutputStream& stream, const Record& record, const misc::qzTempFile& attachment, bool shrink)
{
    misc::qzBOBasicTypes out(stream, shrink);
    out << record.count;
    out << record.feed;
    out << record.rapid;
    out << record.name;
    out << attachment;
}

Record Read(misc::qzBinInputStream& stream, misc::qzTempFile& attachment, bool shrink)
{
    misc::qzBIBasicTypes in(stream, shrink, false, false);
    Record record;
    in >> record.count;
    in >> record.feed;
    in >> record.rapid;
    in >> record.name;
    in >> attachment;
    return record;
}

void Print(const char* what, const Record& record, const misc::qzTempFile& attachment)
{
    std::cout << what << ": count=" << record.count << " feed=" << record.feed
              << " rapid=" << (record.rapid ? "yes" : "no") << " name=\"" << record.name << "\""
              << " attachment=" << misc::qzFileSystem::GetFileSize(attachment.GetFilePath()) << " bytes\n";
}
} // namespace

int Run()
{
    const std::string tempDir = misc::qzFileSystem::GetTempDirectory();
    misc::qzTempFile attachment(tempDir, "txt");
    attachment.Init();
    {
        std::ofstream text(attachment.GetFilePath(), std::ios::binary);
        for (int i = 0; i < 1000; ++i)
            text << "line " << i << " of the attached profile\n";
    }
    const Record record{12, 1250.1, true, "roughing pass"};
    std::cout << "attachment " << attachment.GetFilePath() << ": "
              << misc::qzFileSystem::GetFileSize(attachment.GetFilePath()) << " bytes\n";

    for (bool shrink : {false, true})
    {
        misc::qzMemoryIOStream memory(4096);
        Write(memory, record, attachment, shrink);
        std::cout << (shrink ? "shrunk" : "full") << " memory stream: " << memory.GetDataLength()
                  << " bytes, " << memory.GetAllocatedSize() << " allocated in steps of "
                  << memory.GetIncreaseStep() << "\n";
        memory.Rewind(0);
        misc::qzTempFile copy(tempDir, "txt");
        Print("  read back", Read(memory, copy, shrink), copy);
    }

    misc::qzTempFile file(tempDir, "bin");
    file.Init();
    {
        misc::qzStdOutputStream out(file.GetFilePath());
        Write(out, record, attachment, false);
        out.Close(); // reports data that did not reach the file
    }
    std::cout << "file " << file.GetFilePath() << ": " << misc::qzFileSystem::GetFileSize(file.GetFilePath())
              << " bytes\n";
    misc::qzStdInputStream in(file.GetFilePath());
    misc::qzTempFile copy(tempDir, "txt");
    Print("  read back", Read(in, copy, false), copy);

    // A truncated stream ends in the documented error instead of garbage.
    misc::qzMemoryIOStream truncated(16);
    {
        misc::qzBOBasicTypes out(truncated, false);
        out << std::string("a string that will be cut short");
    }
    misc::qzMemoryIOStream cut(16);
    cut.Write(truncated.GetBuffer(), truncated.GetDataLength() - 5);
    cut.Rewind(0);
    try
    {
        std::string text;
        misc::qzBIBasicTypes(cut, false, false, false) >> text;
    }
    catch (const misc::qzException& e)
    {
        std::cout << "truncated string: error " << e.GetErrorCode() << " (" << e.GetErrorMessage() << ")\n";
    }
    return 0;
}

// The library's failures (a full disk among them) are reported, not left to abort the program.
int main()
{
    try
    {
        return Run();
    }
    catch (const misc::qzException& e)
    {
        std::fprintf(stderr, "error %lu: %s\n", e.GetErrorCode(), e.GetErrorMessage().c_str());
        return 1;
    }
}

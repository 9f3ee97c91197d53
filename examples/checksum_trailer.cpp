// Protects a payload with an MD5 trailer, verifies it, damages one byte and verifies again,
// for a file and for a memory stream.
#include "tessaform.h"

#include <fstream>
#include <iostream>
#include <cstdio>

namespace
{
int Run()
{
    misc::qzTempFile file(misc::qzFileSystem::GetTempDirectory(), "bin");
    file.Init();
    const std::string& path = file.GetFilePath();
    {
        misc::qzStdOutputStream out(path);
        misc::qzBOBasicTypes writer(out, false);
        for (int i = 0; i < 10000; ++i)
            writer << 0.5 * i;
        out.Close(); // reports data that did not reach the file
    }
    const auto size = misc::qzFileSystem::GetFileSize(path);
    misc::qzDataIntegrityUtils::AddChecksumToFile(path);
    std::cout << "file payload " << size << " bytes, with trailer " << misc::qzFileSystem::GetFileSize(path)
              << " bytes\n";
    std::cout << "  verify: " << (misc::qzDataIntegrityUtils::VerifyChecksumFromFile(path) ? "ok" : "FAILED")
              << "\n";
    {
        std::fstream damage(path, std::ios::in | std::ios::out | std::ios::binary);
        damage.seekp(1234);
        damage.put('\x7f');
    }
    std::cout << "  after changing byte 1234: "
              << (misc::qzDataIntegrityUtils::VerifyChecksumFromFile(path) ? "ok" : "verification fails") << "\n";

    misc::qzMemoryIOStream stream(1024);
    stream.Write("abc", 3);
    misc::qzDataIntegrityUtils::AddChecksum(stream);
    const std::string trailer(static_cast<const char*>(stream.GetBuffer()) + 3, 36);
    std::cout << "memory stream \"abc\": trailer " << trailer << "\n";
    std::cout << "  has checksum: " << (misc::qzDataIntegrityUtils::HasChecksum(stream) ? "yes" : "no")
              << ", verify: " << (misc::qzDataIntegrityUtils::VerifyChecksum(stream) ? "ok" : "FAILED") << "\n";
    stream.Rewind(1);
    stream.Write("B", 1);
    std::cout << "  after changing byte 1: has checksum: "
              << (misc::qzDataIntegrityUtils::HasChecksum(stream) ? "yes" : "no") << ", verify: "
              << (misc::qzDataIntegrityUtils::VerifyChecksum(stream) ? "ok" : "verification fails") << "\n";
    return 0;
}

} // namespace

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

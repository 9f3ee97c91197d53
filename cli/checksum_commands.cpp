// tessaform checksum add | verify
#include "cli_support.h"
#include "commands.h"

#include "foundation/qzDataIntegrityUtils.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace tessaform_cli
{
namespace
{
void Add(const std::string& path)
{
    RequireInputFile(path);
    // The trailer goes onto a copy that replaces the file only when complete.
    PendingOutput output(path);
    std::filesystem::copy_file(path, output.Path(), std::filesystem::copy_options::overwrite_existing);
    misc::qzDataIntegrityUtils::AddChecksumToFile(output.Path());
    output.Commit();
    std::printf("%s: checksum added\n", path.c_str());
}

bool Verify(const std::string& path)
{
    RequireInputFile(path);
    const bool intact = misc::qzDataIntegrityUtils::VerifyChecksumFromFile(path);
    std::printf("%s: %s\n", path.c_str(), intact ? "checksum ok" : "checksum MISMATCH");
    return intact;
}
} // namespace

void AddChecksumCommands(CLI::App& app, int& status)
{
    CLI::App* checksum = app.add_subcommand("checksum", "Add or verify the MD5 trailer of a file");
    checksum->require_subcommand(1);
    auto file = std::make_shared<std::string>();

    CLI::App* add = checksum->add_subcommand("add", "Append the MD5 digest of the file to it");
    add->add_option("FILE", *file, "file to protect")->required();
    add->callback([file, &status] {
        Add(*file);
        status = OK;
    });

    CLI::App* verify = checksum->add_subcommand(
        "verify", "Check that the file ends in the digest of the bytes before it (exit status 1 when not)");
    verify->add_option("FILE", *file, "file with a trailer")->required();
    verify->callback([file, &status] { status = Verify(*file) ? OK : DIFFERENT; });
}
} // namespace tessaform_cli

// tessaform params show | upgrade | diff | from-json
#include "cli_support.h"
#include "commands.h"

#include "foundation/qzStdStreams.h"
#include "paramformat/qzBI5axParams3.h"
#include "paramformat/qzBO5axParams.h"
#include "paramformat/qzParamsJson.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <vector>

namespace tessaform_cli
{
namespace
{
constexpr unsigned kOldest = 3;
constexpr unsigned kNewest = 226;

struct Options
{
    std::string in, out, other;
    unsigned version = 0, otherVersion = 0;
    bool shrink = false, outShrink = false;
};

/// A stored set of any version; what the read could not keep goes to standard error.
qz5axParams ReadSet(const std::string& path, unsigned version, bool shrink)
{
    RequireInputFile(path);
    std::vector<misc::qzBILostData> lost;
    qz5axParams params;
    misc::qzStdInputStream in(path);
    qzBI5axParams3 reader(in, version, shrink, lost, /*unicode*/ false, /*64-bit sizes*/ false,
                          /*validate*/ true);
    reader >> params;
    for (const misc::qzBILostData& entry : lost)
        std::fprintf(stderr, "%s: lost data: %s %d\n", path.c_str(), entry.GetName().c_str(),
                     entry.GetIdentifier());
    return params;
}

void WriteSet(const qz5axParams& params, const std::string& path, bool shrink)
{
    PendingOutput output(path);
    misc::qzStdOutputStream out(output.Path());
    qzBO5axParams(out, shrink, /*validate*/ false) << params;
    out.Close();
    output.Commit();
}

CLI::Option* AddVersion(CLI::App* command, const char* name, unsigned& version, const char* what)
{
    return command->add_option(name, version, what)->check(CLI::Range(kOldest, kNewest));
}
} // namespace

void AddParamsCommands(CLI::App& app, int& status)
{
    CLI::App* params = app.add_subcommand("params", "Show, upgrade, compare and build stored parameter sets");
    params->require_subcommand(1);
    auto o = std::make_shared<Options>();

    CLI::App* show = params->add_subcommand(
        "show", "Print a stored set as JSON; the data its read could not keep goes to standard error");
    show->add_option("FILE", o->in, "stored set")->required();
    AddVersion(show, "--version", o->version, "format version the set was stored with (3 to 226)")
        ->required();
    show->add_flag("--shrink", o->shrink, "the set was stored with shrink data (4-byte reals)");
    show->callback(
        [o, &status]
        {
            const std::string json = paramformat::qzParamsJson::Write(ReadSet(o->in, o->version, o->shrink));
            std::printf("%s\n", json.c_str());
            status = OK;
        });

    CLI::App* upgrade =
        params->add_subcommand("upgrade", "Read a set of any stored version and write it as version 226");
    upgrade->add_option("IN", o->in, "stored set")->required();
    upgrade->add_option("OUT", o->out, "the set as version 226")->required();
    AddVersion(upgrade, "--version", o->version, "format version IN was stored with (3 to 226)")->required();
    upgrade->add_flag("--shrink", o->shrink, "IN was stored with shrink data");
    upgrade->add_flag("--out-shrink", o->outShrink, "write OUT with shrink data");
    upgrade->callback(
        [o, &status]
        {
            WriteSet(ReadSet(o->in, o->version, o->shrink), o->out, o->outShrink);
            std::printf("%s: written as version %u\n", o->out.c_str(), kNewest);
            status = OK;
        });

    CLI::App* diff = params->add_subcommand(
        "diff", "Print the fields whose values differ between two stored sets (exit status 1 when any does)");
    diff->add_option("A", o->in, "first stored set")->required();
    diff->add_option("B", o->other, "second stored set")->required();
    AddVersion(diff, "--version", o->version, "format version of A (and of B unless --version-b)")
        ->required();
    AddVersion(diff, "--version-b", o->otherVersion, "format version of B");
    diff->add_flag("--shrink", o->shrink, "both sets were stored with shrink data");
    diff->callback(
        [o, &status]
        {
            const qz5axParams first = ReadSet(o->in, o->version, o->shrink);
            const qz5axParams second =
                ReadSet(o->other, o->otherVersion ? o->otherVersion : o->version, o->shrink);
            const auto differences = paramformat::qzParamsJson::Diff(first, second);
            for (const auto& difference : differences)
                std::printf("%s: %s -> %s\n", difference.path.c_str(), difference.first.c_str(),
                            difference.second.c_str());
            if (differences.empty())
                std::printf("no differences\n");
            status = differences.empty() ? OK : DIFFERENT;
        });

    CLI::App* fromJson = params->add_subcommand(
        "from-json",
        "Write a set as version 226 from a JSON document; fields it does not name keep the defaults");
    fromJson->add_option("IN", o->in, "JSON document")->required();
    fromJson->add_option("OUT", o->out, "the set as version 226")->required();
    fromJson->add_flag("--shrink", o->outShrink, "write OUT with shrink data");
    fromJson->callback(
        [o, &status]
        {
            const qz5axParams set = paramformat::qzParamsJson::Read(ReadWholeFile(o->in));
            WriteSet(set, o->out, o->outShrink);
            std::printf("%s: written as version %u\n", o->out.c_str(), kNewest);
            status = OK;
        });
}
} // namespace tessaform_cli

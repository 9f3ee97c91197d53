// tessaform: the command-line companion of the library, for the people who support CAM hosts:
// stored parameter sets shown, upgraded, compared and built from JSON, STL files described and
// converted, checksum trailers added and verified.
#include "cli_support.h"
#include "commands.h"

#include "brimlib/qzException.h"
#include "foundation/qzVersion.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    using namespace tessaform_cli;
    CLI::App app("tessaform: inspect and convert stored 5-axis parameter sets, STL files and checksum trailers",
                 "tessaform");
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("tessaform ") + misc::GetTessaformVersion());
    int status = OK;
    AddParamsCommands(app, status);
    AddStlCommands(app, status);
    AddChecksumCommands(app, status);

    try
    {
        app.parse(argc, argv);
        return status;
    }
    catch (const CLI::CallForHelp&)
    {
        return app.exit(CLI::CallForHelp());
    }
    catch (const CLI::CallForAllHelp&)
    {
        return app.exit(CLI::CallForAllHelp());
    }
    catch (const CLI::CallForVersion& e)
    {
        return app.exit(e);
    }
    catch (const CLI::ParseError& e)
    {
        // One line, then where to look for the usage.
        std::fprintf(stderr, "tessaform: %s\nRun with --help for usage.\n", e.what());
        return USAGE;
    }
    catch (const misc::qzException& e)
    {
        std::fprintf(stderr, "tessaform: error %lu: %s\n", e.GetErrorCode(), e.GetErrorMessage().c_str());
        return BAD_INPUT;
    }
    catch (const InputError& e)
    {
        std::fprintf(stderr, "tessaform: %s\n", e.what());
        return BAD_INPUT;
    }
    catch (const std::filesystem::filesystem_error& e)
    {
        std::fprintf(stderr, "tessaform: %s\n", e.what());
        return BAD_INPUT;
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "tessaform: %s\n", e.what());
        return BAD_INPUT;
    }
}

// The command groups of the program; each adds its subcommands to the application.
#pragma once

namespace CLI
{
class App;
}

namespace tessaform_cli
{
void AddStlCommands(CLI::App& app, int& status);
void AddChecksumCommands(CLI::App& app, int& status);
void AddParamsCommands(CLI::App& app, int& status);
} // namespace tessaform_cli

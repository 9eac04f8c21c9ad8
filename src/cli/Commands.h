// The subcommands of vitachron-cli. Each takes its own arguments (without the
// command name) and returns the process exit status.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

int CmdDump(const CliArgs& args);
int CmdNew(const CliArgs& args);
int CmdSort(const CliArgs& args);
int CmdAge(const CliArgs& args);

// "color.tbl" beside the tool, as the program keeps it beside itself.
std::filesystem::path SharedCategoryFile();

// The subcommands of vitachron-cli. Each takes its own arguments (without the
// command name) and returns the process exit status.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class CDocHost;
class CProfile;
class CVitachronDoc;

using CliArgs = std::vector<std::string>;

int CmdDump(const CliArgs& args);
int CmdNew(const CliArgs& args);
int CmdSort(const CliArgs& args);
int CmdAge(const CliArgs& args);
int CmdImportCsv(const CliArgs& args);
int CmdExportCsv(const CliArgs& args);
int CmdImportLby(const CliArgs& args);
int CmdExportLby(const CliArgs& args);
int CmdImportGedcom(const CliArgs& args);
int CmdExportGedcom(const CliArgs& args);
int CmdRender(const CliArgs& args);

// Opens a document, or explains on one line why not.
std::optional<CVitachronDoc> OpenDocument(const std::string& path, CDocHost& host, CProfile& profile);

// vitachron-render beside the tool.
std::filesystem::path RenderProgram();

// "color.tbl" beside the tool, as the program keeps it beside itself.
std::filesystem::path SharedCategoryFile();

// Runs the built vitachron-cli as a user would, in a chosen working
// directory, and hands back its exit status and everything it printed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct CliResult {
    int status = -1;  // the exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

class CliRunner {
public:
    explicit CliRunner(std::filesystem::path workDir, std::filesystem::path program = VITACHRON_CLI)
        : workDir_(std::move(workDir)), program_(std::move(program)) {}

    CliResult Run(const std::vector<std::string>& args) const;

private:
    std::filesystem::path workDir_;
    std::filesystem::path program_;
};

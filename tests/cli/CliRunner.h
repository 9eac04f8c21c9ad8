// Runs the built vitachron-cli as a user would, in a chosen working
// directory, and hands back its exit status and everything it printed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
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
    // The same under a file-size limit (ulimit -f) of that many bytes, with
    // SIGXFSZ as a program gets it by default: the program must see to it.
    CliResult RunWithFileSizeLimit(const std::vector<std::string>& args, std::uint64_t bytes) const;

private:
    CliResult Start(const std::vector<std::string>& args, std::optional<std::uint64_t> fileSizeLimit) const;

    std::filesystem::path workDir_;
    std::filesystem::path program_;
};

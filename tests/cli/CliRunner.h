// Runs vitachron-cli as a user would and captures what it printed.
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) {
        if (c == '\'') {
            q += "'\\''";
        } else {
            q += c;
        }
    }
    return q + "'";
}

inline std::string ReadWhole(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline CliResult RunCli(const std::vector<std::string>& args) {
    const auto dir = std::filesystem::temp_directory_path();
    const std::string tag = std::to_string(::getpid());
    const auto outFile = dir / ("vitachron-cli-" + tag + ".out");
    const auto errFile = dir / ("vitachron-cli-" + tag + ".err");
    std::string cmd = ShellQuote(VITACHRON_CLI);
    for (const auto& a : args) {
        cmd += " " + ShellQuote(a);
    }
    cmd += " >" + ShellQuote(outFile.string()) + " 2>" + ShellQuote(errFile.string());
    CliResult r;
    const int raw = std::system(cmd.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = ReadWhole(outFile);
    r.err = ReadWhole(errFile);
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return r;
}

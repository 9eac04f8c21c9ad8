// A fresh directory under the system's temporary folder, removed with
// everything in it when the test ends.
#pragma once

#include "model/Utf8Path.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <sys/stat.h>
#endif

class CScratchDir {
public:
    CScratchDir() {
#ifdef _WIN32
        // No mkdtemp: a random name that create_directory finds unused.
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto candidate = std::filesystem::temp_directory_path() /
                                   ("vitachron-test-" + std::to_string(random()) + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec)) {
                path_ = candidate;
            }
        }
        if (path_.empty()) {
            throw std::runtime_error("cannot make a scratch directory");
        }
#else
        std::string pattern = (std::filesystem::temp_directory_path() / "vitachron-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch directory");
        }
        path_ = pattern;
#endif
    }
    ~CScratchDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    CScratchDir(const CScratchDir&) = delete;
    CScratchDir& operator=(const CScratchDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Names are UTF-8, as everywhere in the program.
    std::filesystem::path operator/(std::string_view name) const { return path_ / PathFromUtf8(name); }

    std::filesystem::path Write(std::string_view name, std::string_view bytes) const {
        const auto file = *this / name;
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }
    static std::string Read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Something a reader must refuse as no regular file, at once: a named
    // pipe without a writer here, the null device on Windows, which has no
    // pipes in its folders.
    std::filesystem::path NotAFile(std::string_view name) const {
#ifdef _WIN32
        (void)name;
        return Device();
#else
        const auto pipe = *this / name;
        if (::mkfifo(pipe.c_str(), 0600) != 0) {
            throw std::runtime_error("cannot make a named pipe");
        }
        return pipe;
#endif
    }
    // A device that gives bytes without end where there is one.
    static std::filesystem::path Device() {
#ifdef _WIN32
        return R"(\\.\NUL)";
#else
        return "/dev/zero";
#endif
    }

private:
    std::filesystem::path path_;
};

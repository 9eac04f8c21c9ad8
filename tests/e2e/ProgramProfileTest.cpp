// The built program, started with a private home: what it keeps in its
// profile between runs, what it tells the desktop, how it reads its command
// line and how it copes with a profile it cannot use. Needs a display
// (ctest runs under Xvfb).
#include <gtest/gtest.h>

#include <png.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Profile = std::map<std::string, std::map<std::string, std::string>>;

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        home_ = fs::temp_directory_path() / ("vitachron-e2e-" + std::to_string(rd()));
        fs::create_directories(home_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(home_, ec);
    }

    // Runs the program until its screenshot is taken and it has closed;
    // the shell's exit status (128 + the signal for a program it ended).
    int Run(const fs::path& screenshot, const std::string& document, const std::string& shellSetup = "") {
        const std::string command = shellSetup + "env HOME='" + home_.string() + "' XDG_CONFIG_HOME='" + ConfigDir().string() +
                                    "' XDG_DATA_HOME='" + (home_ / "data").string() + "' timeout 60 '" +
                                    VITACHRON_PROGRAM + "' --screenshot '" + screenshot.string() + "' " +
                                    (document.empty() ? "" : "'" + document + "'") + " > '" +
                                    (home_ / "run.log").string() + "' 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Runs the program (or the tool) with these arguments, without a
    // display; the exit status, standard output and standard error.
    struct Result {
        int status = -1;
        std::string out;
        std::string err;
    };
    Result RunWithoutDisplay(const std::string& program, const std::string& arguments) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY HOME='" + home_.string() + "' timeout 60 '" +
                                    program + "' " + arguments + " > '" + (home_ / "out").string() + "' 2> '" +
                                    (home_ / "err").string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Text(home_ / "out"), Text(home_ / "err")};
    }
    static std::string Text(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string Log() const { return Text(home_ / "run.log"); }
    fs::path ConfigDir() const { return home_ / "config"; }
    fs::path ConfigFile() const { return ConfigDir() / "Vitachron.conf"; }

    Profile ReadProfile() const {
        Profile p;
        std::ifstream in(ConfigFile());
        std::string line;
        std::string section;
        while (std::getline(in, line)) {
            if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
                section.clear();
                for (const char c : line.substr(1, line.size() - 2)) {
                    if (c != '\\') {
                        section += c;
                    }
                }
            } else if (const auto eq = line.find('='); eq != std::string::npos) {
                p[section][line.substr(0, eq)] = line.substr(eq + 1);
            }
        }
        return p;
    }
    void WriteProfile(const Profile& p) const {
        std::ofstream out(ConfigFile());
        for (const auto& [section, entries] : p) {
            std::string escaped;
            for (const char c : section) {
                escaped += c == ' ' ? "\\ " : std::string(1, c);
            }
            out << '[' << escaped << "]\n";
            for (const auto& [key, value] : entries) {
                out << key << '=' << value << '\n';
            }
        }
    }
    // Width and height from a PNG's header.
    static std::pair<int, int> PngSize(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        unsigned char h[24] = {};
        in.read(reinterpret_cast<char*>(h), sizeof h);
        const auto be = [&](int at) { return (h[at] << 24) | (h[at + 1] << 16) | (h[at + 2] << 8) | h[at + 3]; };
        return {be(16), be(20)};
    }

    // Pixels of the timeline's part of the picture (right of the names,
    // below the bars) in a clear colour rather than white, grey or black.
    static int ColouredTimelinePixels(const fs::path& file) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        if (png_image_begin_read_from_file(&image, file.c_str()) == 0) {
            return -1;
        }
        image.format = PNG_FORMAT_RGB;
        std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
        if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
            return -1;
        }
        int coloured = 0;
        for (png_uint_32 y = image.height / 4; y < image.height * 19 / 20; ++y) {
            for (png_uint_32 x = image.width / 5; x < image.width; ++x) {
                const png_byte* px = &rgb[(static_cast<std::size_t>(y) * image.width + x) * 3];
                coloured += std::max({px[0], px[1], px[2]}) - std::min({px[0], px[1], px[2]}) > 60;
            }
        }
        return coloured;
    }

    fs::path home_;
};

}  // namespace

TEST_F(Program, TheScreenshotIsTakenOnceTheTimelineIsPainted) {
    const fs::path document = home_ / "sample.vtc";
    fs::copy_file(fs::path(VITACHRON_SOURCE_DIR) / "data" / "sample.vtc", document);
    ASSERT_EQ(Run(home_ / "shot.png", document.string()), 0) << Log();
    // The sample's first two bars, some 2000 pixels.
    EXPECT_GT(ColouredTimelinePixels(home_ / "shot.png"), 1000) << "the bars are not in the picture";
}

TEST_F(Program, KeepsWindowPlaceRecentFilesAndInitValuesAcrossRuns) {
    const fs::path document = home_ / "見本.vtc";
    fs::copy_file(fs::path(VITACHRON_SOURCE_DIR) / "data" / "sample.vtc", document);

    ASSERT_EQ(Run(home_ / "first.png", document.string()), 0);
    ASSERT_TRUE(fs::exists(home_ / "first.png"));
    Profile p = ReadProfile();
    EXPECT_EQ(p["Recent File List"]["File1"], document.string());
    ASSERT_TRUE(p.count("LastPos"));
    EXPECT_GT(std::stoi(p["LastPos"]["right"]), std::stoi(p["LastPos"]["left"]));
    // The desktop learns the document type and the program that opens it.
    EXPECT_TRUE(fs::exists(home_ / "data" / "mime" / "packages" / "vitachron.xml"));
    std::ifstream entry(home_ / "data" / "applications" / "vitachron.desktop");
    std::stringstream entryText;
    entryText << entry.rdbuf();
    EXPECT_NE(entryText.str().find("MimeType=application/x-vitachron;"), std::string::npos);
    EXPECT_NE(entryText.str().find(VITACHRON_PROGRAM), std::string::npos);
    // The stand-in Annalix is a tool of ours: the program never makes it the user's program for *.anx.
    EXPECT_FALSE(fs::exists(home_ / "data" / "applications" / "annalix-peer.desktop"));
    EXPECT_EQ(Text(ConfigDir() / "mimeapps.list").find("annalix"), std::string::npos);

    // A place, a list width and initial values of the user's own.
    p["LastPos"] = {{"left", "60"}, {"top", "40"}, {"right", "860"}, {"bottom", "640"}};
    p["Init"] = {{"LeftWidth", "222"}, {"YearOnly", "1"},     {"KazoeAster", "0"},
                 {"Comment", "//"},    {"DisplayAge", "0"},   {"DefaultBarLength", "30"}};
    WriteProfile(p);

    ASSERT_EQ(Run(home_ / "second.png", ""), 0);
    EXPECT_EQ(PngSize(home_ / "second.png"), std::make_pair(800, 600));
    const Profile after = ReadProfile();
    EXPECT_EQ(after.at("LastPos"), (std::map<std::string, std::string>{
                                       {"left", "60"}, {"top", "40"}, {"right", "860"}, {"bottom", "640"}}));
    EXPECT_EQ(after.at("Init"), p["Init"]);
    EXPECT_EQ(after.at("Recent File List").at("File1"), document.string());
}

TEST_F(Program, AFileSizeLimitFailsItsWritesInsteadOfEndingIt) {
    const fs::path document = home_ / "doc.vtc";
    fs::copy_file(fs::path(VITACHRON_SOURCE_DIR) / "data" / "sample.vtc", document);
    // 1 KB: the desktop files fit, the screenshot does not. The program
    // says so and ends as it does after a screenshot (0, or 1 for a
    // screenshot it could not save), not by the signal (128 + SIGXFSZ).
    const int status = Run(home_ / "shot.png", document.string(), "ulimit -f 2; ");
    EXPECT_TRUE(status == 0 || status == 1) << "exit status " << status;
}

TEST_F(Program, AnswersHelpAndVersionWithoutADisplayAndRefusesWrongArgumentsWithStatusTwo) {
    Result r = RunWithoutDisplay(VITACHRON_PROGRAM, "--version");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Vitachron Version 2.18\n");
    r = RunWithoutDisplay(VITACHRON_PROGRAM, "--help");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("--print-to"), std::string::npos) << r.out;
    for (const char* wrong : {"--bogus", "-x", "--print-to", "--screenshot", "--print", "a.vtc b.vtc",
                              "--print --print-to x.pdf a.vtc"}) {
        r = RunWithoutDisplay(VITACHRON_PROGRAM, wrong);
        EXPECT_EQ(r.status, 2) << wrong << "\n" << r.err;
        // What was wrong, then the usage, in Japanese.
        EXPECT_NE(r.err.find("--screenshot"), std::string::npos) << wrong << "\n" << r.err;
        EXPECT_NE(r.err.find("使い方"), std::string::npos) << wrong << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << wrong;
    }
    r = RunWithoutDisplay(VITACHRON_CLI, "--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "vitachron-cli 2.18\n");
}

TEST_F(Program, AStoredWindowThatDoesNotFitTheDisplaysOpensAtTheDefaultSize) {
    const std::vector<std::map<std::string, std::string>> damaged = {
        {{"left", "0"}, {"top", "0"}, {"right", "40000"}, {"bottom", "40000"}},
        {{"left", "-2147483648"}, {"top", "0"}, {"right", "2147483647"}, {"bottom", "2147483647"}},
        {{"left", "-30000"}, {"top", "-30000"}, {"right", "-29000"}, {"bottom", "-29300"}},  // out of sight
    };
    for (const auto& rect : damaged) {
        WriteProfile({{"LastPos", rect}});
        ASSERT_EQ(Run(home_ / "shot.png", ""), 0) << rect.at("right") << "\n" << Log();
        EXPECT_EQ(PngSize(home_ / "shot.png"), std::make_pair(1000, 700)) << rect.at("right");
        // Repaired when the window closes: the place it had.
        Profile p = ReadProfile();
        EXPECT_EQ(std::stoll(p["LastPos"]["right"]) - std::stoll(p["LastPos"]["left"]), 1000);
        EXPECT_EQ(std::stoll(p["LastPos"]["bottom"]) - std::stoll(p["LastPos"]["top"]), 700);
        EXPECT_GE(std::stoll(p["LastPos"]["left"]), 0);
    }
}

TEST_F(Program, ADamagedProfileIsKeptAsideAndTheProgramStartsWithTheDefaults) {
    fs::create_directories(ConfigDir());
    const std::string damaged = "[LastPos]\nright=5\n=40000\n[Init]\nLeftWidth=300\n";
    std::ofstream(ConfigFile()) << damaged;
    // Its message is still open when the screenshot is taken: the run closes it and ends cleanly.
    ASSERT_EQ(Run(home_ / "shot.png", ""), 0) << Log();
    EXPECT_EQ(PngSize(home_ / "shot.png"), std::make_pair(1000, 700));
    EXPECT_EQ(Text(ConfigDir() / "Vitachron.conf.damaged"), damaged);
    EXPECT_EQ(ReadProfile()["Init"].count("LeftWidth"), 0u);  // the defaults, written anew
    EXPECT_TRUE(ReadProfile().count("LastPos"));
    EXPECT_EQ(Log().find("fileconf"), std::string::npos) << Log();  // no complaint of the toolkit's about the file

    // A folder where the file should be: the defaults, and nothing written.
    fs::remove(ConfigFile());
    fs::create_directories(ConfigFile());
    ASSERT_EQ(Run(home_ / "folder.png", ""), 0) << Log();
    EXPECT_EQ(PngSize(home_ / "folder.png"), std::make_pair(1000, 700));
    EXPECT_TRUE(fs::is_directory(ConfigFile()));
    EXPECT_TRUE(fs::is_empty(ConfigFile()));
    EXPECT_EQ(Log().find("Failed"), std::string::npos) << Log();
}

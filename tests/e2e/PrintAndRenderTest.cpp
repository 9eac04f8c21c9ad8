// The command line's print switches and vitachron-cli's render, run as users
// run them: the printed PDF and the pictures are read back from outside
// (pdfinfo, pdftoppm). Needs a display (ctest runs under Xvfb).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kSample = fs::path(VITACHRON_SOURCE_DIR) / "data" / "sample.vtc";

class PrintAndRender : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        home_ = fs::temp_directory_path() / ("vitachron-print-" + std::to_string(rd()));
        fs::create_directories(home_ / "config");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(home_, ec);
    }

    // Runs a command line in a private home; returns the exit status and
    // keeps what it wrote to standard error.
    int Run(const std::string& command, const std::string& env = "") {
        const std::string line = "env HOME='" + home_.string() + "' XDG_CONFIG_HOME='" + (home_ / "config").string() +
                                 "' XDG_DATA_HOME='" + (home_ / "data").string() + "' " + env + " timeout 120 " +
                                 command + " > '" + (home_ / "out.log").string() + "' 2> '" +
                                 (home_ / "err.log").string() + "'";
        const int status = std::system(line.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Read(const fs::path& file) const {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string Errors() const { return Read(home_ / "err.log"); }
    static std::string Quote(const fs::path& p) { return "'" + p.string() + "'"; }

    int PdfPages(const fs::path& pdf) {
        EXPECT_EQ(Run("pdfinfo " + Quote(pdf)), 0);
        const std::string info = Read(home_ / "out.log");
        const auto at = info.find("Pages:");
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
    }

    fs::path home_;
};

// A picture read back from pdftoppm's PPM output.
struct Raster {
    int width = 0;
    int height = 0;
    std::string rgb;
    const unsigned char* At(int x, int y) const {
        return reinterpret_cast<const unsigned char*>(rgb.data()) + (static_cast<std::size_t>(y) * width + x) * 3;
    }
};

Raster ReadPpm(const std::string& bytes) {
    std::istringstream in(bytes);
    std::string magic;
    int maxValue = 0;
    Raster r;
    in >> magic >> r.width >> r.height >> maxValue;
    in.get();
    r.rgb = bytes.substr(static_cast<std::size_t>(in.tellg()));
    if (magic != "P6" || maxValue != 255 || r.rgb.size() != static_cast<std::size_t>(r.width) * r.height * 3) {
        return {};
    }
    return r;
}

}  // namespace

TEST_F(PrintAndRender, PrintToWritesEveryPageOfTheSampleAsPdfWithoutAWindow) {
    const fs::path pdf = home_ / "sample.pdf";
    ASSERT_EQ(Run(Quote(VITACHRON_PROGRAM) + " --print-to " + Quote(pdf) + " " + Quote(kSample)), 0) << Errors();
    EXPECT_EQ(Read(pdf).substr(0, 5), "%PDF-");
    const int pages = PdfPages(pdf);
    EXPECT_GE(pages, 2);
    // Every page has something printed on it (the frame and the header at least).
    ASSERT_EQ(Run("pdftoppm -r 30 -png " + Quote(pdf) + " " + Quote(home_ / "page")), 0);
    int images = 0;
    for (const auto& entry : fs::directory_iterator(home_)) {
        images += entry.path().filename().string().rfind("page", 0) == 0;
    }
    EXPECT_EQ(images, pages);
    // The patterned ends of uncertain and living bars are drawn as their
    // colours' mix: a pixel pattern reached the PDF as an image holding
    // whatever memory its bitmap had.
    EXPECT_EQ(Read(pdf).find("/Subtype /Image"), std::string::npos);
}

TEST_F(PrintAndRender, PrintGoesToTheDefaultPrinterThroughLpWithThePagesOfPrintTo) {
    // A stand-in for the printing system's lp: keeps what it was given.
    const fs::path bin = home_ / "bin";
    fs::create_directories(bin);
    {
        std::ofstream lp(bin / "lp");
        lp << "#!/bin/sh\necho \"$@\" > '" << (home_ / "lp.args").string() << "'\ncp \"$4\" '"
           << (home_ / "printed.pdf").string() << "'\n";
    }
    fs::permissions(bin / "lp", fs::perms::owner_all);
    const std::string path = "PATH='" + bin.string() + ":" + std::getenv("PATH") + "'";
    ASSERT_EQ(Run(Quote(VITACHRON_PROGRAM) + " --print " + Quote(kSample), path), 0) << Errors();
    EXPECT_EQ(Read(home_ / "lp.args").rfind("-t sample.vtc -- ", 0), 0u) << Read(home_ / "lp.args");
    const fs::path pdf = home_ / "sample.pdf";
    ASSERT_EQ(Run(Quote(VITACHRON_PROGRAM) + " --print-to " + Quote(pdf) + " " + Quote(kSample)), 0);
    EXPECT_EQ(PdfPages(home_ / "printed.pdf"), PdfPages(pdf));

    // Without a printing system: said so, not waited for.
    fs::remove(bin / "lp");
    EXPECT_EQ(Run(Quote(VITACHRON_PROGRAM) + " --print " + Quote(kSample), path), 1);
    EXPECT_NE(Errors().find("lp"), std::string::npos) << Errors();
}

TEST_F(PrintAndRender, PrintToADamagedFileSaysSoAndWritesNothing) {
    const fs::path bad = home_ / "bad.vtc";
    std::ofstream(bad) << "not a document";
    const fs::path pdf = home_ / "bad.pdf";
    EXPECT_EQ(Run(Quote(VITACHRON_PROGRAM) + " --print-to " + Quote(pdf) + " " + Quote(bad)), 1);
    EXPECT_NE(Errors().find("bad.vtc"), std::string::npos) << Errors();
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_EQ(Run(Quote(VITACHRON_PROGRAM) + " --print-to " + Quote(pdf)), 2);
}

TEST_F(PrintAndRender, RenderWritesThePictureInEachFormatAndSaysWhatItCannotDo) {
    const std::string cli = Quote(VITACHRON_CLI) + " render " + Quote(kSample) + " ";
    ASSERT_EQ(Run(cli + Quote(home_ / "s.png")), 0) << Errors();
    ASSERT_EQ(Run(cli + Quote(home_ / "s.svg")), 0) << Errors();
    ASSERT_EQ(Run(cli + Quote(home_ / "s.pdf") + " --zoom 50"), 0) << Errors();
    EXPECT_EQ(Read(home_ / "s.png").substr(1, 3), "PNG");
    EXPECT_NE(Read(home_ / "s.svg").find("<svg"), std::string::npos);
    EXPECT_EQ(PdfPages(home_ / "s.pdf"), 1);
    // The summary line names the size; at half the zoom the picture is smaller.
    ASSERT_EQ(Run(cli + Quote(home_ / "half.png") + " --zoom 50"), 0);
    const std::string half = Read(home_ / "out.log");
    ASSERT_EQ(Run(cli + Quote(home_ / "full.png")), 0);
    const std::string full = Read(home_ / "out.log");
    EXPECT_NE(half, full);

    EXPECT_EQ(Run(cli + Quote(home_ / "s.bmp")), 2);
    EXPECT_EQ(Run(cli + Quote(home_ / "s.png") + " --zoom 0"), 2);
    // Without a display: a clear word, not a crash.
    EXPECT_EQ(Run("env -u DISPLAY -u WAYLAND_DISPLAY " + cli + Quote(home_ / "nodisplay.png")), 1);
    EXPECT_NE(Errors().find("display"), std::string::npos) << Errors();
}

TEST_F(PrintAndRender, TheRenderedPdfShowsTheWholeTimelineAsThePictureDoes) {
    // At 96 pixels an inch the PDF's page is the picture, pixel for pixel.
    const std::string cli = Quote(VITACHRON_CLI) + " render " + Quote(kSample) + " ";
    ASSERT_EQ(Run(cli + Quote(home_ / "s.pdf")), 0) << Errors();
    int width = 0;
    int height = 0;
    ASSERT_EQ(std::sscanf(Read(home_ / "out.log").c_str(), "%*s %d x %d", &width, &height), 2);
    ASSERT_EQ(Run("pdftoppm -r 96 -singlefile " + Quote(home_ / "s.pdf") + " " + Quote(home_ / "s")), 0);
    const Raster page = ReadPpm(Read(home_ / "s.ppm"));
    ASSERT_NEAR(page.width, width, 1);
    ASSERT_NEAR(page.height, height, 1);

    // The header band's grey runs over the timeline's right half too; the
    // bars stand in their colours all over it, in several categories' colours.
    int headerGrey = 0;
    for (int x = page.width / 2; x < page.width; ++x) {
        const unsigned char* p = page.At(x, 4);
        headerGrey += p[0] == p[1] && p[1] == p[2] && p[0] > 150 && p[0] < 240;
    }
    EXPECT_GE(headerGrey, page.width / 4);
    std::map<std::uint32_t, int> colours;
    int upperLeft = 0;
    int lowerRight = 0;
    for (int y = 0; y < page.height; ++y) {
        for (int x = page.width / 10; x < page.width; ++x) {
            const unsigned char* p = page.At(x, y);
            if (std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) < 100) {
                continue;  // white, black, greys and the blends at edges
            }
            ++colours[(p[0] << 16) | (p[1] << 8) | p[2]];
            upperLeft += x < page.width / 2 && y < page.height / 2;
            lowerRight += x >= page.width / 2 && y >= page.height / 2;
        }
    }
    int barColours = 0;
    for (const auto& [colour, count] : colours) {
        barColours += count >= 300;
    }
    EXPECT_GE(barColours, 4);
    EXPECT_GE(upperLeft, 1000);
    EXPECT_GE(lowerRight, 1000);
}

TEST_F(PrintAndRender, UnderAFileSizeLimitPicturesAndPrintsFailWithTheirMessageAndLeaveNoFile) {
    // The programs themselves, so that nothing started before them can have ignored the signal.
    const fs::path render = fs::path(VITACHRON_CLI).parent_path() / "vitachron-render";
    const auto limited = [&](const std::string& command) { return Run("sh -c \"ulimit -f 2; exec " + command + "\""); };
    for (const char* name : {"s.png", "s.svg", "s.pdf"}) {
        EXPECT_EQ(limited(Quote(render) + " " + Quote(kSample) + " " + Quote(home_ / name)), 1) << name;
        EXPECT_NE(Errors().find("に画像を保存できませんでした"), std::string::npos) << name << ": " << Errors();
    }
    EXPECT_EQ(limited(Quote(VITACHRON_PROGRAM) + " --print-to " + Quote(home_ / "p.pdf") + " " + Quote(kSample)), 1);
    EXPECT_NE(Errors().find("File too large"), std::string::npos) << Errors();
    for (const auto& entry : fs::directory_iterator(home_)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.rfind("s.", 0) != 0 && name.rfind("p.", 0) != 0) << "left behind: " << name;
    }
}

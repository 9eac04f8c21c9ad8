// render: the picture of a whole timeline. Drawing text needs the toolkit,
// which this tool does without, so the work is vitachron-render's, the
// program beside this one; the command hands its arguments over to it.
#include "cli/Commands.h"
#include "platform/CInstallLayout.h"

#include <iostream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

std::filesystem::path RenderProgram() {
    return CInstallLayout::RenderProgram(CInstallLayout::RunningProgramDir(nullptr));
}

int CmdRender(const CliArgs& args) {
    if (args.size() < 2) {
        std::cerr << "usage: vitachron-cli render IN.vtc OUT.png|OUT.svg|OUT.pdf [--zoom N]\n";
        return 2;
    }
    const std::filesystem::path program = RenderProgram();
#ifndef _WIN32
    std::vector<std::string> owned{program.string()};
    owned.insert(owned.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : owned) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
#endif
    std::cerr << "vitachron-cli: render needs " << program.string() << ", which could not be started\n";
    return 1;
}

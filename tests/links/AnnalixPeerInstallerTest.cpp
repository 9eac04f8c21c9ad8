// The stand-in's desktop entry (Linux); on Windows the process tests install it.
#ifndef _WIN32

#include "links/CAnnalixPeerInstaller.h"

#include <gtest/gtest.h>

TEST(CAnnalixPeerInstaller, TheDesktopEntryStartsThePeerWithTheFileAndQuotesOnlyWhatNeedsIt) {
    const std::string plain = CAnnalixPeerInstaller::DesktopEntry("/opt/vitachron/annalix-peer");
    EXPECT_NE(plain.find("\nExec=/opt/vitachron/annalix-peer %f\n"), std::string::npos) << plain;
    EXPECT_NE(plain.find("\nMimeType=application/x-annalix;\n"), std::string::npos);

    const std::string blank = CAnnalixPeerInstaller::DesktopEntry("/home/u/My Apps/annalix-peer");
    EXPECT_NE(blank.find("\nExec=\"/home/u/My Apps/annalix-peer\" %f\n"), std::string::npos) << blank;
    // A quote inside the path: escaped for Exec, then the backslash doubled for the file.
    const std::string quote = CAnnalixPeerInstaller::DesktopEntry("/x/a\"b/peer");
    EXPECT_NE(quote.find("\nExec=\"/x/a\\\\\"b/peer\" %f\n"), std::string::npos) << quote;

    EXPECT_NE(CAnnalixPeerInstaller::MimeXml().find("<glob pattern=\"*.anx\"/>"), std::string::npos);
}

#endif

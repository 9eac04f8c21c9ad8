// The link transport on Linux: the session D-Bus through GIO.
//
// Each participant opens a private connection to the session bus and
// exports one object (kObjectPath, interface kInterface) with two methods:
//   Message(s name, x wParam, x lParam) -> (x result)   a link message
//   Raise()                                              come to the top
// and then owns the bus name kBusNamePrefix + "h<a>_<b>", where ":<a>.<b>"
// is its unique connection name and (a << 32 | b) its Handle. A broadcast
// calls Message on every owner of such a name at once, each call with its
// own time-out (kReplyTimeout), and collects the replies. The message name
// travels as text and is compared exactly, so both programs keep their
// registered names.
//
// Incoming calls are handled on a thread of this transport, with its own
// GLib main context: a peer that answers our broadcast by calling back
// while we are still inside the broadcast (the code-3 answer) reaches us
// although our user-interface thread is blocked in that call.
#pragma once

#include "links/CLinkTransport.h"

#include <filesystem>
#include <memory>
#include <string>

class CDbusLinkTransport : public CLinkTransport {
public:
    static constexpr const char* kBusNamePrefix = "org.quillet.Link.";
    static constexpr const char* kObjectPath = "/org/quillet/Link";
    static constexpr const char* kInterface = "org.quillet.Link";

    // incoming: the message name this participant handles; outgoing: the
    // one it sends. Joins the bus at once; OwnHandle() is 0 when it could not.
    CDbusLinkTransport(std::string incoming, std::string outgoing);
    ~CDbusLinkTransport() override;
    CDbusLinkTransport(const CDbusLinkTransport&) = delete;
    CDbusLinkTransport& operator=(const CDbusLinkTransport&) = delete;

    Handle OwnHandle() const override;
    void SetHandlers(Handlers handlers) override;
    std::int64_t Send(Handle target, std::int64_t wParam, std::int64_t lParam) override;
    void Broadcast(std::int64_t wParam, std::int64_t lParam) override;
    bool Raise(Handle target) override;
    StartResult StartAnnalix(const std::string& document, std::chrono::milliseconds timeout) override;
    bool AnnalixInstalled() const override;

    // Annalix's per-user settings: $XDG_CONFIG_HOME/annalix, by default
    // ~/.config/annalix (the counterpart of its registry key). Annalix, and
    // the stand-in annalix-peer, create it when they first run.
    static std::filesystem::path AnnalixSettingsDir();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

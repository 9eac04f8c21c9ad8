// The link transport on Windows: registered window messages between
// top-level windows, as Annalix itself speaks them.
//
// Each participant registers both message names (RegisterWindowMessage
// gives every process the same number for a name) and owns one hidden
// top-level window, made and served on a thread of this transport with a
// message loop of its own: a peer that answers our broadcast by sending
// back while the broadcast is still under way (the code-3 answer) is
// answered there although our user-interface thread is blocked in that
// broadcast. The window's handle is the participant's Handle. It is
// top-level, not message-only, because a broadcast reaches only top-level
// windows.
//
// Send is SendMessageTimeout; Broadcast the same to every top-level window
// (EnumWindows), as HWND_BROADCAST would, one window after another, each
// with its own kReplyTimeout; a thread that lets one window time out is
// passed over for the rest of the broadcast, and one that has not looked at
// its messages for a few seconds at once. So each participant that hangs
// holds a broadcast up for one kReplyTimeout. Raise places the window at the top
// with SetWindowPos; a participant's own hidden window does not show, it
// passes the request to Handlers::onRaise. StartAnnalix finds the program
// associated with the document's extension, starts it with the command
// line `annalix "<document>"`, waits for it to become idle for input and
// takes the first top-level window of its primary thread as its Handle.
// AnnalixInstalled: the per-user registry key of Annalix can be opened.
//
// Error codes are GetLastError()'s (or the Win32 code of a failed HRESULT).
#pragma once

#include "links/CLinkTransport.h"

#include <functional>
#include <memory>
#include <string>

class CWin32LinkTransport : public CLinkTransport {
public:
    // Under HKEY_CURRENT_USER: Annalix's own settings, there once it has run.
    static constexpr const wchar_t* kAnnalixKey = L"Software\\Orv Software\\annalix";

    // incoming: the message name this participant handles; outgoing: the
    // one it sends. Makes the window at once; OwnHandle() is 0 when it could not.
    CWin32LinkTransport(std::string incoming, std::string outgoing);
    ~CWin32LinkTransport() override;
    CWin32LinkTransport(const CWin32LinkTransport&) = delete;
    CWin32LinkTransport& operator=(const CWin32LinkTransport&) = delete;

    Handle OwnHandle() const override;
    void SetHandlers(Handlers handlers) override;
    std::int64_t Send(Handle target, std::int64_t wParam, std::int64_t lParam) override;
    void Broadcast(std::int64_t wParam, std::int64_t lParam) override;
    bool Raise(Handle target) override;
    StartResult StartAnnalix(const std::string& document, std::chrono::milliseconds timeout) override;
    bool AnnalixInstalled() const override;

    // Also hands messages of our incoming name that reach any other window
    // of the calling thread to the handlers, on that thread, when take(wParam,
    // lParam) says so (their reply is not waited for: such a window answers
    // 0). For a program the link starts: the starter sends to the first
    // window of its primary thread, which is not the hidden one. A broadcast
    // reaches every window of the thread as well as the hidden one, so take
    // must refuse what comes by broadcast, or it is handled more than once.
    // Until this transport goes, which must happen on the same thread; one
    // thread serves one transport at a time.
    using TakeFilter = std::function<bool(std::int64_t wParam, std::int64_t lParam)>;
    void ServeThisThreadsWindows(TakeFilter take);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

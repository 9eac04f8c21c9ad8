// How link messages travel between the two programs, and how one program
// starts the other: everything of the link that belongs to the operating
// system except the named block and event. On Linux CDbusLinkTransport
// (session D-Bus through GIO); on Windows CWin32LinkTransport (registered
// window messages, the shell's association, CreateProcess, WaitForInputIdle
// and EnumThreadWindows, and the registry).
//
// A Handle names one running participant ("a window"): it is what travels
// in wParam and lParam. Every participant registers both message names and
// receives only the one given as `incoming` when it was made.
#pragma once

#include "links/CLinkReply.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

class CLinkTransport {
public:
    using Handle = std::int64_t;  // 0 names nobody

    struct Handlers {
        // A message of our incoming name. Called on the transport's own
        // thread, possibly while the user-interface thread is blocked in
        // Send, Broadcast or a wait of ours: it must not wait for that
        // thread, only hand work to it and keep the reply for later.
        std::function<void(std::int64_t wParam, std::int64_t lParam, CLinkReply reply)> onMessage;
        // Someone asked this participant's window to come to the top (same thread rules).
        std::function<void()> onRaise;
    };

    enum class StartStatus {
        Started,     // handle names the new process's first participant
        StartFailed, // no associated program, it could not be run, or it ended before joining
        NotIdle,     // it did not join within the time-out
    };
    struct StartResult {
        StartStatus status = StartStatus::StartFailed;
        Handle handle = 0;
        int error = 0;  // the system's error code when not started
    };

    // How long a participant has to reply to a message or a raise. A live
    // one replies within milliseconds: messages are handled on a thread of
    // the transport, never behind a busy window. One that has not replied by
    // then counts as gone (its reply is 0), so a program that hangs holds
    // our window up for this long, not for the system's default of 25 s.
    static constexpr std::chrono::milliseconds kReplyTimeout{2000};

    virtual ~CLinkTransport() = default;

    // This participant; 0 when it could not join (then nothing is received).
    virtual Handle OwnHandle() const = 0;
    // Installs the handlers; until then messages are answered with 0.
    virtual void SetHandlers(Handlers handlers) = 0;

    // Synchronous: returns when the receiver has replied (its reply), or 0
    // when it is gone or has not replied within kReplyTimeout.
    virtual std::int64_t Send(Handle target, std::int64_t wParam, std::int64_t lParam) = 0;
    // Sends to every other participant at once and returns when each has
    // replied or has had its kReplyTimeout: one that hangs delays neither
    // the others' handling nor the return by more than that. (On Windows
    // the windows are asked one after another: each participant that hangs
    // holds the others and the return up for its own kReplyTimeout.)
    virtual void Broadcast(std::int64_t wParam, std::int64_t lParam) = 0;
    // Places that participant's window at the top and shows it, without
    // moving or resizing it. False when it is gone (or does not reply in time).
    virtual bool Raise(Handle target) = 0;

    // Starts the program the desktop associates with the document's file
    // type, with the command line `annalix "<document>"`, and waits until
    // it has joined (its counterpart of becoming idle for input).
    virtual StartResult StartAnnalix(const std::string& document, std::chrono::milliseconds timeout) = 0;
    // Whether Annalix has per-user settings here, the sign that it is installed.
    virtual bool AnnalixInstalled() const = 0;
};

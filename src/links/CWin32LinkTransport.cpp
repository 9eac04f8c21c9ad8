#include "links/CWin32LinkTransport.h"

#include "links/LinkProtocol.h"
#include "model/WideText.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include <windows.h>
#include <shlwapi.h>

namespace {

constexpr const wchar_t* kWindowClass = L"QuilletLinkWindow";
constexpr UINT kQuit = WM_APP + 1;  // to the hidden window: end the thread

HWND WindowOf(CLinkTransport::Handle handle) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
}

CLinkTransport::Handle HandleOf(HWND window) {
    return static_cast<CLinkTransport::Handle>(reinterpret_cast<std::intptr_t>(window));
}

UINT Timeout(std::chrono::milliseconds timeout) {
    // INFINITE (0xFFFFFFFF) would never end; no wait here is that long.
    return static_cast<UINT>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INFINITE - 1));
}

// A Win32 error of a failed HRESULT, as GetLastError would have said it.
int ErrorOf(HRESULT hr, int otherwise) {
    return HRESULT_FACILITY(hr) == FACILITY_WIN32 ? static_cast<int>(HRESULT_CODE(hr)) : otherwise;
}

// One incoming message's reply, which may come from any thread, and late.
struct ReplyState {
    HANDLE given = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<std::int64_t> result{0};
    ReplyState() = default;
    ReplyState(const ReplyState&) = delete;
    ReplyState& operator=(const ReplyState&) = delete;
    ~ReplyState() {
        if (given != nullptr) {
            ::CloseHandle(given);
        }
    }
};

// The program associated with the extension of document, as the shell
// would start it for "open"; empty with error set when there is none.
std::wstring AssociatedProgram(const std::wstring& document, int& error) {
    const std::wstring extension = std::filesystem::path(document).extension().wstring();
    if (extension.empty()) {
        error = ERROR_NO_ASSOCIATION;
        return {};
    }
    DWORD length = 0;
    HRESULT hr = ::AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, extension.c_str(), nullptr, nullptr, &length);
    if (FAILED(hr) || length == 0) {
        error = ErrorOf(hr, ERROR_NO_ASSOCIATION);
        return {};
    }
    std::wstring program(length, L'\0');
    hr = ::AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, extension.c_str(), nullptr, program.data(), &length);
    if (FAILED(hr)) {
        error = ErrorOf(hr, ERROR_NO_ASSOCIATION);
        return {};
    }
    program.resize(std::wcslen(program.c_str()));
    return program;
}

}  // namespace

struct CWin32LinkTransport::Impl {
    UINT incoming = 0;
    UINT outgoing = 0;
    HWND window = nullptr;
    int joinError = 0;
    std::thread thread;
    // Set when the transport goes: a reply still awaited is given up.
    HANDLE closing = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);

    mutable std::mutex handlersMutex;
    Handlers handlers;

    // ServeThisThreadsWindows: a hook procedure is told nothing but the
    // message, so the transport it serves is found per thread.
    HHOOK hook = nullptr;
    DWORD hookThread = 0;
    TakeFilter take;
    static thread_local Impl* served;

    Handlers CurrentHandlers() const {
        std::lock_guard lock(handlersMutex);
        return handlers;
    }

    // Runs on the hidden window's thread. The reply may be handed to another
    // thread and given later; until then (or kReplyTimeout) the sender's
    // SendMessage waits, and meanwhile messages sent to this thread are
    // still handled, so a peer that calls back before it replies is answered.
    std::int64_t Receive(WPARAM wParam, LPARAM lParam) {
        const Handlers h = CurrentHandlers();
        if (!h.onMessage) {
            return 0;
        }
        auto state = std::make_shared<ReplyState>();
        CLinkReply reply([state](std::int64_t result) {
            state->result = result;
            ::SetEvent(state->given);
        });
        h.onMessage(static_cast<std::int64_t>(wParam), static_cast<std::int64_t>(lParam), std::move(reply));
        const HANDLE waits[] = {state->given, closing};
        const auto deadline = std::chrono::steady_clock::now() + kReplyTimeout;
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            // A stream of messages sent here must not keep the wait from ending.
            if (left.count() <= 0) {
                break;
            }
            const DWORD woke = ::MsgWaitForMultipleObjects(2, waits, FALSE, Timeout(left), QS_SENDMESSAGE);
            if (woke != WAIT_OBJECT_0 + 2) {
                break;  // given, closing, timed out or failed
            }
            // Handles what was sent to this thread, and nothing posted.
            MSG msg;
            ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        return state->result.load();
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<Impl*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == self->incoming) {
            return static_cast<LRESULT>(self->Receive(wParam, lParam));
        }
        switch (message) {
        case WM_WINDOWPOSCHANGING: {
            // Raise's SetWindowPos: the window stays hidden, its owner comes up.
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (self != nullptr && (pos->flags & SWP_SHOWWINDOW) != 0) {
                pos->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
                if (const Handlers h = self->CurrentHandlers(); h.onRaise) {
                    h.onRaise();
                }
            }
            return 0;
        }
        case WM_CLOSE:
            return 0;  // only the transport ends it
        case kQuit:
            ::DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
        }
    }

    static LRESULT CALLBACK ThreadWindowsHook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && served != nullptr) {
            const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (sent->message == served->incoming && sent->hwnd != served->window &&
                served->take(static_cast<std::int64_t>(sent->wParam), static_cast<std::int64_t>(sent->lParam))) {
                if (const Handlers h = served->CurrentHandlers(); h.onMessage) {
                    h.onMessage(static_cast<std::int64_t>(sent->wParam), static_cast<std::int64_t>(sent->lParam),
                                CLinkReply());
                }
            }
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    bool Join(const std::string& incomingName, const std::string& outgoingName) {
        incoming = ::RegisterWindowMessageW(WideText(incomingName).c_str());
        outgoing = ::RegisterWindowMessageW(WideText(outgoingName).c_str());
        if (incoming == 0 || outgoing == 0 || closing == nullptr) {
            joinError = static_cast<int>(::GetLastError());
            return false;
        }
        std::promise<HWND> made;
        thread = std::thread([this, &made, title = L"Quillet link " + WideText(incomingName)] {
            const HINSTANCE instance = ::GetModuleHandleW(nullptr);
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = &Impl::WindowProc;
            wc.hInstance = instance;
            wc.lpszClassName = kWindowClass;
            // Every transport of the process shares the class.
            if (::RegisterClassExW(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
                joinError = static_cast<int>(::GetLastError());
                made.set_value(nullptr);
                return;
            }
            // A tool window, never shown: not in the task bar even if something shows it.
            const HWND hwnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, title.c_str(), WS_POPUP, 0, 0, 0, 0,
                                                nullptr, nullptr, instance, this);
            if (hwnd == nullptr) {
                joinError = static_cast<int>(::GetLastError());
                made.set_value(nullptr);
                return;
            }
            // Annalix may run at another integrity level than we do.
            ::ChangeWindowMessageFilterEx(hwnd, incoming, MSGFLT_ALLOW, nullptr);
            made.set_value(hwnd);
            MSG msg;
            while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        });
        window = made.get_future().get();
        return window != nullptr;
    }

    ~Impl() {
        if (hook != nullptr) {
            ::UnhookWindowsHookEx(hook);
            if (::GetCurrentThreadId() == hookThread) {
                served = nullptr;
            }
        }
        if (closing != nullptr) {
            ::SetEvent(closing);
        }
        if (window != nullptr) {
            ::PostMessageW(window, kQuit, 0, 0);
        }
        if (thread.joinable()) {
            thread.join();
        }
        if (closing != nullptr) {
            ::CloseHandle(closing);
        }
    }
};

thread_local CWin32LinkTransport::Impl* CWin32LinkTransport::Impl::served = nullptr;

CWin32LinkTransport::CWin32LinkTransport(std::string incoming, std::string outgoing)
    : impl_(std::make_unique<Impl>()) {
    impl_->Join(incoming, outgoing);
}

CWin32LinkTransport::~CWin32LinkTransport() = default;

CLinkTransport::Handle CWin32LinkTransport::OwnHandle() const { return HandleOf(impl_->window); }

void CWin32LinkTransport::SetHandlers(Handlers handlers) {
    std::lock_guard lock(impl_->handlersMutex);
    impl_->handlers = std::move(handlers);
}

void CWin32LinkTransport::ServeThisThreadsWindows(TakeFilter take) {
    if (impl_->window == nullptr || impl_->hook != nullptr || !take) {
        return;
    }
    impl_->take = std::move(take);
    impl_->hookThread = ::GetCurrentThreadId();
    impl_->hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &Impl::ThreadWindowsHook, nullptr, impl_->hookThread);
    if (impl_->hook != nullptr) {
        Impl::served = impl_.get();
    }
}

std::int64_t CWin32LinkTransport::Send(Handle target, std::int64_t wParam, std::int64_t lParam) {
    if (impl_->window == nullptr || target == 0) {
        return 0;
    }
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutW(WindowOf(target), impl_->outgoing, static_cast<WPARAM>(wParam),
                              static_cast<LPARAM>(lParam), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                              Timeout(kReplyTimeout), &result) == 0) {
        return 0;
    }
    return static_cast<std::int64_t>(result);
}

void CWin32LinkTransport::Broadcast(std::int64_t wParam, std::int64_t lParam) {
    if (impl_->window == nullptr) {
        return;
    }
    // What HWND_BROADCAST does, window by window: every top-level window,
    // hidden ones too, each with its own time-out. Wine's HWND_BROADCAST
    // waits for a window whose thread hangs as long as it hangs.
    std::vector<HWND> windows;
    ::EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    // A thread that let one window time out is passed over for its other
    // windows (every thread with windows has an input method's too): it
    // would answer them only once it is free again.
    std::vector<DWORD> hung;
    for (const HWND window : windows) {
        const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
        if (std::find(hung.begin(), hung.end(), thread) != hung.end()) {
            continue;
        }
        // Ours gets it too, and ignores a name it does not handle.
        DWORD_PTR result = 0;
        if (::SendMessageTimeoutW(window, impl_->outgoing, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam),
                                  SMTO_NORMAL | SMTO_ABORTIFHUNG, Timeout(kReplyTimeout), &result) == 0 &&
            ::GetLastError() == ERROR_TIMEOUT) {
            hung.push_back(thread);
        }
    }
}

bool CWin32LinkTransport::Raise(Handle target) {
    const HWND window = WindowOf(target);
    if (target == 0 || !::IsWindow(window)) {
        return false;
    }
    // SetWindowPos waits for the window's thread as long as it takes: ask
    // first whether it answers at all.
    DWORD_PTR ignored = 0;
    if (::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, Timeout(kReplyTimeout),
                              &ignored) == 0) {
        return false;
    }
    return ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW) != 0;
}

CLinkTransport::StartResult CWin32LinkTransport::StartAnnalix(const std::string& document,
                                                               std::chrono::milliseconds timeout) {
    StartResult result;
    const std::wstring path = WideText(document);
    const std::wstring program = AssociatedProgram(path, result.error);
    if (program.empty()) {
        return result;
    }
    std::wstring line = WideText(LinkProtocol::kCommandWord) + L" \"" + path + L"\"";
    std::vector<wchar_t> commandLine(line.begin(), line.end());
    commandLine.push_back(L'\0');
    // Our own start-up information, less the standard handles: none are
    // inherited, so the values would name nothing (or something else) there.
    STARTUPINFOW startup{};
    ::GetStartupInfoW(&startup);
    startup.dwFlags &= ~static_cast<DWORD>(STARTF_USESTDHANDLES);
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nullptr;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        result.error = static_cast<int>(::GetLastError());
        return result;
    }
    const DWORD idle = ::WaitForInputIdle(process.hProcess, Timeout(timeout));
    if (idle == 0) {
        HWND first = nullptr;
        ::EnumThreadWindows(
            process.dwThreadId,
            [](HWND window, LPARAM found) -> BOOL {
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;  // the first one is enough
            },
            reinterpret_cast<LPARAM>(&first));
        result.status = StartStatus::Started;
        result.handle = HandleOf(first);
    } else if (idle == WAIT_TIMEOUT) {
        result.status = StartStatus::NotIdle;
        result.error = WAIT_TIMEOUT;
    } else {
        result.error = static_cast<int>(::GetLastError());
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return result;
}

bool CWin32LinkTransport::AnnalixInstalled() const {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kAnnalixKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

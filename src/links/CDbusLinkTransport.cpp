#include "links/CDbusLinkTransport.h"

#include "links/LinkProtocol.h"

#include <gio/gio.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <future>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <vector>

#include <sys/types.h>
#include <sys/wait.h>

namespace {

constexpr const char* kIntrospection =
    "<node><interface name='org.quillet.Link'>"
    "<method name='Message'>"
    "<arg type='s' name='name' direction='in'/>"
    "<arg type='x' name='wParam' direction='in'/>"
    "<arg type='x' name='lParam' direction='in'/>"
    "<arg type='x' name='result' direction='out'/>"
    "</method>"
    "<method name='Raise'/>"
    "</interface></node>";

constexpr auto kPollInterval = std::chrono::milliseconds(20);

struct GErrorFree {
    void operator()(GError* e) const { g_error_free(e); }
};
using ErrorPtr = std::unique_ptr<GError, GErrorFree>;

struct GVariantUnref {
    void operator()(GVariant* v) const { g_variant_unref(v); }
};
using VariantPtr = std::unique_ptr<GVariant, GVariantUnref>;

struct GObjectUnref {
    void operator()(gpointer o) const { g_object_unref(o); }
};

struct GFree {
    void operator()(gpointer p) const { g_free(p); }
};
using GCharPtr = std::unique_ptr<gchar, GFree>;

// ":<a>.<b>" <-> a << 32 | b. dbus-daemon forms every unique name so.
std::optional<std::int64_t> HandleFromUniqueName(std::string_view name) {
    if (name.size() < 4 || name[0] != ':') {
        return std::nullopt;
    }
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    const char* first = name.data() + 1;
    const char* mid = name.data() + dot;
    const char* last = name.data() + name.size();
    if (std::from_chars(first, mid, a).ptr != mid || std::from_chars(mid + 1, last, b).ptr != last) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) << 32 | b);
}

std::string UniqueNameFromHandle(std::int64_t handle) {
    const auto h = static_cast<std::uint64_t>(handle);
    return ":" + std::to_string(h >> 32) + "." + std::to_string(h & 0xFFFFFFFFu);
}

std::string BusNameFromHandle(std::int64_t handle) {
    const auto h = static_cast<std::uint64_t>(handle);
    return std::string(CDbusLinkTransport::kBusNamePrefix) + "h" + std::to_string(h >> 32) + "_" +
           std::to_string(h & 0xFFFFFFFFu);
}

std::optional<std::int64_t> HandleFromBusName(std::string_view name) {
    const std::string_view prefix = CDbusLinkTransport::kBusNamePrefix;
    if (name.substr(0, prefix.size()) != prefix || name.size() < prefix.size() + 4 || name[prefix.size()] != 'h') {
        return std::nullopt;
    }
    std::string unique(":" + std::string(name.substr(prefix.size() + 1)));
    std::replace(unique.begin(), unique.end(), '_', '.');
    return HandleFromUniqueName(unique);
}

int ErrnoOfSpawnError(const GError* e) {
    if (e->domain != G_SPAWN_ERROR) {
        return EIO;
    }
    switch (e->code) {
    case G_SPAWN_ERROR_NOENT: return ENOENT;
    case G_SPAWN_ERROR_ACCES: return EACCES;
    case G_SPAWN_ERROR_NOEXEC: return ENOEXEC;
    case G_SPAWN_ERROR_NOMEM: return ENOMEM;
    case G_SPAWN_ERROR_PERM: return EPERM;
    default: return EIO;
    }
}

// GIO hands out a quoted program path (one with blanks) as it stands in the
// desktop entry; the command line's first word, unquoted, is the program.
std::string ExecutableOf(GAppInfo* app) {
    const char* executable = g_app_info_get_executable(app);
    if (executable == nullptr) {
        return {};
    }
    if (*executable != '"' && *executable != '\'') {
        return executable;
    }
    gchar** argv = nullptr;
    std::string program;
    if (const char* line = g_app_info_get_commandline(app); line && g_shell_parse_argv(line, nullptr, &argv, nullptr)) {
        program = argv[0];
        g_strfreev(argv);
    }
    return program;
}

}  // namespace

struct CDbusLinkTransport::Impl {
    std::string incoming;
    std::string outgoing;
    GDBusConnection* connection = nullptr;
    GMainContext* context = nullptr;
    GMainLoop* loop = nullptr;
    GDBusNodeInfo* node = nullptr;
    guint registration = 0;
    std::thread thread;
    Handle own = 0;
    int joinError = 0;

    mutable std::mutex handlersMutex;
    Handlers handlers;

    Handlers CurrentHandlers() const {
        std::lock_guard lock(handlersMutex);
        return handlers;
    }

    static void OnMethodCall(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method,
                             GVariant* parameters, GDBusMethodInvocation* invocation, gpointer data) {
        auto* self = static_cast<Impl*>(data);
        const Handlers h = self->CurrentHandlers();
        if (g_strcmp0(method, "Raise") == 0) {
            if (h.onRaise) {
                h.onRaise();
            }
            g_dbus_method_invocation_return_value(invocation, nullptr);
            return;
        }
        const gchar* name = nullptr;
        gint64 wParam = 0;
        gint64 lParam = 0;
        g_variant_get(parameters, "(&sxx)", &name, &wParam, &lParam);
        // The reply takes over the invocation, which return_value consumes.
        CLinkReply reply([invocation](std::int64_t result) {
            g_dbus_method_invocation_return_value(invocation, g_variant_new("(x)", static_cast<gint64>(result)));
        });
        if (self->incoming == name && h.onMessage) {
            h.onMessage(wParam, lParam, std::move(reply));
        }
    }

    // timeoutMs -1: the bus's own default (25 s), for the bus itself only.
    VariantPtr Call(const std::string& destination, const char* path, const char* interface, const char* method,
                    GVariant* parameters, const char* replyType, int timeoutMs) const {
        return VariantPtr(g_dbus_connection_call_sync(connection, destination.c_str(), path, interface, method,
                                                      parameters, replyType ? G_VARIANT_TYPE(replyType) : nullptr,
                                                      G_DBUS_CALL_FLAGS_NONE, timeoutMs, nullptr, nullptr));
    }

    VariantPtr CallPeer(Handle target, const char* method, GVariant* parameters, const char* replyType) const {
        return Call(UniqueNameFromHandle(target), kObjectPath, kInterface, method, parameters, replyType,
                    static_cast<int>(kReplyTimeout.count()));
    }

    VariantPtr CallBus(const char* method, GVariant* parameters, const char* replyType) const {
        return Call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", method, parameters,
                    replyType, -1);
    }

    // Message to every target at once; returns when each has replied or
    // has had its own kReplyTimeout. The replies are collected on a main
    // context of this call alone, so the calling (user-interface) thread
    // runs nothing else meanwhile, as in a synchronous call.
    void CallPeersAtOnce(const std::vector<Handle>& targets, std::int64_t wParam, std::int64_t lParam) const {
        GMainContext* replies = g_main_context_new();
        g_main_context_push_thread_default(replies);
        std::size_t pending = targets.size();
        for (const Handle target : targets) {
            g_dbus_connection_call(
                connection, UniqueNameFromHandle(target).c_str(), kObjectPath, kInterface, "Message",
                g_variant_new("(sxx)", outgoing.c_str(), static_cast<gint64>(wParam), static_cast<gint64>(lParam)),
                G_VARIANT_TYPE("(x)"), G_DBUS_CALL_FLAGS_NONE, static_cast<int>(kReplyTimeout.count()), nullptr,
                [](GObject* source, GAsyncResult* result, gpointer data) {
                    // A reply, an error or the time-out: all the same here.
                    VariantPtr(g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr));
                    --*static_cast<std::size_t*>(data);
                },
                &pending);
        }
        while (pending > 0) {
            g_main_context_iteration(replies, TRUE);
        }
        g_main_context_pop_thread_default(replies);
        g_main_context_unref(replies);
    }

    std::vector<std::string> ParticipantNames() const {
        std::vector<std::string> names;
        if (const VariantPtr reply = CallBus("ListNames", nullptr, "(as)")) {
            GVariantIter* iter = nullptr;
            const gchar* name = nullptr;
            g_variant_get(reply.get(), "(as)", &iter);
            while (g_variant_iter_next(iter, "&s", &name)) {
                if (HandleFromBusName(name)) {
                    names.emplace_back(name);
                }
            }
            g_variant_iter_free(iter);
        }
        return names;
    }

    std::optional<pid_t> ProcessOf(const std::string& name) const {
        if (const VariantPtr reply =
                CallBus("GetConnectionUnixProcessID", g_variant_new("(s)", name.c_str()), "(u)")) {
            guint32 pid = 0;
            g_variant_get(reply.get(), "(u)", &pid);
            return static_cast<pid_t>(pid);
        }
        return std::nullopt;
    }

    bool Join() {
        GError* raw = nullptr;
        GCharPtr address(g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &raw));
        ErrorPtr error(raw);
        if (!address) {
            joinError = ENOTCONN;
            return false;
        }
        // A connection of our own, not the process-wide one: its calls are
        // dispatched to our thread and nobody else's objects live on it.
        connection = g_dbus_connection_new_for_address_sync(
            address.get(),
            static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &raw);
        error.reset(raw);
        if (!connection) {
            joinError = ECONNREFUSED;
            return false;
        }
        g_dbus_connection_set_exit_on_close(connection, FALSE);
        const auto handle = HandleFromUniqueName(g_dbus_connection_get_unique_name(connection));
        if (!handle) {
            joinError = EPROTO;
            return false;
        }

        node = g_dbus_node_info_new_for_xml(kIntrospection, nullptr);
        context = g_main_context_new();
        loop = g_main_loop_new(context, FALSE);
        std::promise<bool> registered;
        thread = std::thread([this, &registered] {
            g_main_context_push_thread_default(context);
            static const GDBusInterfaceVTable vtable{&Impl::OnMethodCall, nullptr, nullptr, {}};
            registration = g_dbus_connection_register_object(connection, kObjectPath, node->interfaces[0], &vtable,
                                                             this, nullptr, nullptr);
            registered.set_value(registration != 0);
            if (registration != 0) {
                g_main_loop_run(loop);
            }
            g_main_context_pop_thread_default(context);
        });
        if (!registered.get_future().get()) {
            joinError = EPROTO;
            return false;
        }
        // The name comes last: whoever sees it can already be answered.
        const VariantPtr reply = CallBus(
            "RequestName", g_variant_new("(su)", BusNameFromHandle(*handle).c_str(), 4u /* do not queue */), "(u)");
        guint32 result = 0;
        if (reply) {
            g_variant_get(reply.get(), "(u)", &result);
        }
        if (result != 1 /* primary owner */) {
            joinError = EADDRINUSE;
            return false;
        }
        own = *handle;
        return true;
    }

    ~Impl() {
        if (connection) {
            g_dbus_connection_close_sync(connection, nullptr, nullptr);
        }
        if (loop) {
            g_main_loop_quit(loop);
        }
        if (thread.joinable()) {
            thread.join();
        }
        if (registration != 0) {
            g_dbus_connection_unregister_object(connection, registration);
        }
        if (loop) {
            g_main_loop_unref(loop);
        }
        if (context) {
            g_main_context_unref(context);
        }
        if (node) {
            g_dbus_node_info_unref(node);
        }
        if (connection) {
            g_object_unref(connection);
        }
    }
};

CDbusLinkTransport::CDbusLinkTransport(std::string incoming, std::string outgoing) : impl_(std::make_unique<Impl>()) {
    impl_->incoming = std::move(incoming);
    impl_->outgoing = std::move(outgoing);
    impl_->Join();
}

CDbusLinkTransport::~CDbusLinkTransport() = default;

CLinkTransport::Handle CDbusLinkTransport::OwnHandle() const { return impl_->own; }

void CDbusLinkTransport::SetHandlers(Handlers handlers) {
    std::lock_guard lock(impl_->handlersMutex);
    impl_->handlers = std::move(handlers);
}

std::int64_t CDbusLinkTransport::Send(Handle target, std::int64_t wParam, std::int64_t lParam) {
    if (impl_->own == 0 || target == 0) {
        return 0;
    }
    const VariantPtr reply = impl_->CallPeer(
        target, "Message",
        g_variant_new("(sxx)", impl_->outgoing.c_str(), static_cast<gint64>(wParam), static_cast<gint64>(lParam)),
        "(x)");
    gint64 result = 0;
    if (reply) {
        g_variant_get(reply.get(), "(x)", &result);
    }
    return result;
}

void CDbusLinkTransport::Broadcast(std::int64_t wParam, std::int64_t lParam) {
    if (impl_->own == 0) {
        return;
    }
    std::vector<Handle> targets;
    for (const std::string& name : impl_->ParticipantNames()) {
        if (const Handle target = *HandleFromBusName(name); target != impl_->own) {
            targets.push_back(target);
        }
    }
    impl_->CallPeersAtOnce(targets, wParam, lParam);
}

bool CDbusLinkTransport::Raise(Handle target) {
    if (impl_->own == 0 || target == 0) {
        return false;
    }
    return impl_->CallPeer(target, "Raise", nullptr, nullptr) != nullptr;
}

CLinkTransport::StartResult CDbusLinkTransport::StartAnnalix(const std::string& document,
                                                              std::chrono::milliseconds timeout) {
    StartResult result;
    if (impl_->own == 0) {
        result.error = impl_->joinError;
        return result;
    }
    // The type comes from the name alone, as the association of a file
    // type does: the document need not be readable to be handed over.
    gboolean uncertain = FALSE;
    GCharPtr type(g_content_type_guess(document.c_str(), nullptr, 0, &uncertain));
    std::unique_ptr<GAppInfo, GObjectUnref> app(type ? g_app_info_get_default_for_type(type.get(), FALSE) : nullptr);
    GCharPtr executable(app ? g_find_program_in_path(ExecutableOf(app.get()).c_str()) : nullptr);
    if (!executable) {
        result.error = ENOENT;
        return result;
    }

    // Annalix takes the word "annalix" as argv[0] and the document after it.
    std::vector<gchar*> argv{executable.get(), const_cast<gchar*>(LinkProtocol::kCommandWord),
                             const_cast<gchar*>(document.c_str()), nullptr};
    GPid pid = 0;
    GError* raw = nullptr;
    if (!g_spawn_async(nullptr, argv.data(), nullptr,
                       static_cast<GSpawnFlags>(G_SPAWN_FILE_AND_ARGV_ZERO | G_SPAWN_DO_NOT_REAP_CHILD), nullptr,
                       nullptr, &pid, &raw)) {
        const ErrorPtr error(raw);
        result.error = ErrnoOfSpawnError(error.get());
        return result;
    }

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::set<std::string> checked;
    for (;;) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            g_spawn_close_pid(pid);
            result.error = ECHILD;  // it ended before it could be reached
            return result;
        }
        std::vector<Handle> mine;
        for (const std::string& name : impl_->ParticipantNames()) {
            if (checked.insert(name).second && impl_->ProcessOf(name) == pid) {
                mine.push_back(*HandleFromBusName(name));
            }
        }
        if (!mine.empty()) {
            result.status = StartStatus::Started;
            result.handle = *std::min_element(mine.begin(), mine.end());  // the first to join
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            result.status = StartStatus::NotIdle;
            result.error = ETIMEDOUT;
            break;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    // It runs on by itself; the default main context reaps it when it ends.
    g_child_watch_add(pid, [](GPid p, gint, gpointer) { g_spawn_close_pid(p); }, nullptr);
    return result;
}

std::filesystem::path CDbusLinkTransport::AnnalixSettingsDir() {
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        config = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        config = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return config / "annalix";
}

bool CDbusLinkTransport::AnnalixInstalled() const {
    const auto dir = AnnalixSettingsDir();
    std::error_code ec;
    return !dir.empty() && std::filesystem::is_directory(dir, ec);
}

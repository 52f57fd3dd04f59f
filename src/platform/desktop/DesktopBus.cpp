// The bus thread: a GLib main loop on its own context, and the session bus connection.
#include "platform/desktop/DesktopBus.h"

#include <gio/gio.h>
#include <sys/stat.h>

#include <cstdlib>
#include <thread>

namespace platform::desktop {

struct DesktopBus::Thread {
    GMainLoop* loop = nullptr;
    std::thread thread;
};

DesktopBus& DesktopBus::get() {
    static DesktopBus bus;
    return bus;
}

DesktopBus::DesktopBus() : context_(g_main_context_new()), thread_(new Thread) {
    thread_->loop = g_main_loop_new(context_, FALSE);
    thread_->thread = std::thread([this] {
        g_main_context_push_thread_default(context_);
        g_main_loop_run(thread_->loop);
        if (connection_) {
            g_dbus_connection_close_sync(connection_, nullptr, nullptr);
            g_object_unref(connection_);
            connection_ = nullptr;
        }
        // What was posted after the loop ended is dropped with the context.
        g_main_context_pop_thread_default(context_);
    });
}

DesktopBus::~DesktopBus() {
    post([this] { g_main_loop_quit(thread_->loop); });
    thread_->thread.join();
    g_main_loop_unref(thread_->loop);
    g_main_context_unref(context_);
    delete thread_;
}

void DesktopBus::post(std::function<void()> work) {
    {
        std::lock_guard<std::mutex> hold(postedLock_);
        posted_.push_back(std::move(work));
    }
    g_main_context_invoke(
        context_,
        [](gpointer bus) -> gboolean {
            static_cast<DesktopBus*>(bus)->runPosted();
            return G_SOURCE_REMOVE;
        },
        this);
}

void DesktopBus::runPosted() {
    for (;;) {
        std::function<void()> work;
        {
            std::lock_guard<std::mutex> hold(postedLock_);
            if (posted_.empty()) return;
            work = std::move(posted_.front());
            posted_.pop_front();
        }
        work();
    }
}

std::string DesktopBus::sessionAddress() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address && *address) return address;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return {};
    const std::string socket = std::string(runtime) + "/bus";
    struct stat st {};
    if (::stat(socket.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode)) return {};
    return "unix:path=" + socket;
}

GDBusConnection* DesktopBus::connection() {
    if (connectTried_) return connection_;
    connectTried_ = true;
    const std::string address = sessionAddress();
    if (address.empty()) return nullptr;
    GError* error = nullptr;
    connection_ = g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    if (error) g_error_free(error);
    if (connection_) g_dbus_connection_set_exit_on_close(connection_, FALSE);
    return connection_;
}

}  // namespace platform::desktop

// The file chooser: the portal request and its Response signal, then the helper programs, all
// on the bus thread.
#include "platform/desktop/FileChooser.h"

#include <gio/gio.h>

#include <atomic>
#include <memory>

#include "platform/desktop/DesktopBus.h"

namespace platform::desktop {

namespace {

constexpr const char* kPortal = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";

struct Request {
    std::string parent;
    std::string title;
    ChosenCallback done;
    std::vector<std::string> helpers;
    std::size_t nextHelper = 0;
    GDBusConnection* bus = nullptr;
    guint subscription = 0;
    std::string handle;  // the portal's request object
};

void tryHelpers(std::shared_ptr<Request> request);

void finish(const std::shared_ptr<Request>& request, ChosenFile::Outcome outcome,
            std::string path = {}) {
    if (request->subscription) {
        g_dbus_connection_signal_unsubscribe(request->bus, request->subscription);
        request->subscription = 0;
    }
    ChosenFile answer;
    answer.outcome = outcome;
    answer.path = std::move(path);
    ChosenCallback done = std::move(request->done);
    request->done = nullptr;
    if (done) done(answer);
}

// ---- the portal --------------------------------------------------------------------------------

void onResponse(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                GVariant* parameters, gpointer data) {
    // The subscription holds a reference to the request until it is removed.
    std::shared_ptr<Request> request = *static_cast<std::shared_ptr<Request>*>(data);
    guint32 response = 2;
    GVariant* results = nullptr;
    g_variant_get(parameters, "(u@a{sv})", &response, &results);
    std::string path;
    if (response == 0) {
        const gchar** uris = nullptr;
        if (g_variant_lookup(results, "uris", "^a&s", &uris) && uris && uris[0]) {
            if (gchar* file = g_filename_from_uri(uris[0], nullptr, nullptr)) {
                path = file;
                g_free(file);
            }
        }
        g_free(uris);
    }
    g_variant_unref(results);
    if (path.empty())
        finish(request, ChosenFile::Outcome::kCancelled);
    else
        finish(request, ChosenFile::Outcome::kChosen, std::move(path));
}

void subscribe(const std::shared_ptr<Request>& request, const std::string& handle) {
    if (request->subscription)
        g_dbus_connection_signal_unsubscribe(request->bus, request->subscription);
    request->handle = handle;
    request->subscription = g_dbus_connection_signal_subscribe(
        request->bus, kPortal, "org.freedesktop.portal.Request", "Response", handle.c_str(),
        nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
        onResponse, new std::shared_ptr<Request>(request),
        [](gpointer data) { delete static_cast<std::shared_ptr<Request>*>(data); });
}

void onOpened(GObject* source, GAsyncResult* result, gpointer data) {
    std::unique_ptr<std::shared_ptr<Request>> held(static_cast<std::shared_ptr<Request>*>(data));
    std::shared_ptr<Request> request = *held;
    GError* error = nullptr;
    GVariant* reply =
        g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    if (!reply) {
        // No portal, or one without a file chooser: the helper programs.
        g_error_free(error);
        if (request->subscription) {
            g_dbus_connection_signal_unsubscribe(request->bus, request->subscription);
            request->subscription = 0;
        }
        tryHelpers(request);
        return;
    }
    const gchar* handle = nullptr;
    g_variant_get(reply, "(&o)", &handle);
    // Older portals answer another object than the one asked for with handle_token.
    if (request->done && handle && request->handle != handle) subscribe(request, handle);
    g_variant_unref(reply);
}

void askPortal(const std::shared_ptr<Request>& request) {
    request->bus = DesktopBus::get().connection();
    if (!request->bus) {
        tryHelpers(request);
        return;
    }
    // The request object's path is known in advance from the sender and the token, so the
    // Response cannot arrive before the subscription.
    static std::atomic<unsigned> counter{0};
    const std::string token = "veritome" + std::to_string(++counter);
    std::string sender = g_dbus_connection_get_unique_name(request->bus);
    if (!sender.empty() && sender[0] == ':') sender.erase(0, 1);
    for (char& c : sender)
        if (c == '.') c = '_';
    subscribe(request, std::string(kPortalPath) + "/request/" + sender + "/" + token);

    GVariantBuilder options;
    g_variant_builder_init(&options, G_VARIANT_TYPE_VARDICT);
    g_variant_builder_add(&options, "{sv}", "handle_token", g_variant_new_string(token.c_str()));
    g_variant_builder_add(&options, "{sv}", "modal", g_variant_new_boolean(TRUE));
    g_variant_builder_add(&options, "{sv}", "multiple", g_variant_new_boolean(FALSE));
    g_dbus_connection_call(
        request->bus, kPortal, kPortalPath, "org.freedesktop.portal.FileChooser", "OpenFile",
        g_variant_new("(ssa{sv})", request->parent.c_str(), request->title.c_str(), &options),
        G_VARIANT_TYPE("(o)"), G_DBUS_CALL_FLAGS_NONE, 30000, nullptr, onOpened,
        new std::shared_ptr<Request>(request));
}

// ---- the helper programs -----------------------------------------------------------------------

struct HelperRun {
    std::shared_ptr<Request> request;
    GSubprocess* process = nullptr;
};

void onHelperDone(GObject* source, GAsyncResult* result, gpointer data) {
    std::unique_ptr<HelperRun> run(static_cast<HelperRun*>(data));
    gchar* out = nullptr;
    GError* error = nullptr;
    const bool read = g_subprocess_communicate_utf8_finish(G_SUBPROCESS(source), result, &out,
                                                           nullptr, &error);
    if (error) g_error_free(error);
    std::string path = read && out ? out : "";
    g_free(out);
    const bool chosen = read && g_subprocess_get_if_exited(run->process) &&
                        g_subprocess_get_exit_status(run->process) == 0;
    g_object_unref(run->process);
    while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
    if (chosen && !path.empty())
        finish(run->request, ChosenFile::Outcome::kChosen, std::move(path));
    else
        finish(run->request, ChosenFile::Outcome::kCancelled);
}

void tryHelpers(std::shared_ptr<Request> request) {
    while (request->nextHelper < request->helpers.size()) {
        const std::string& name = request->helpers[request->nextHelper++];
        std::vector<std::string> args;
        if (name == "zenity") {
            args = {"zenity", "--file-selection", "--title", request->title};
        } else if (name == "kdialog") {
            args = {"kdialog", "--title", request->title, "--getopenfilename", "."};
        } else {
            continue;
        }
        std::vector<const gchar*> argv;
        for (const std::string& a : args) argv.push_back(a.c_str());
        argv.push_back(nullptr);
        GError* error = nullptr;
        GSubprocess* process = g_subprocess_newv(
            argv.data(),
            static_cast<GSubprocessFlags>(G_SUBPROCESS_FLAGS_STDOUT_PIPE |
                                          G_SUBPROCESS_FLAGS_STDERR_SILENCE),
            &error);
        if (!process) {
            g_error_free(error);  // not installed: the next one
            continue;
        }
        auto* run = new HelperRun{request, process};
        g_subprocess_communicate_utf8_async(process, nullptr, nullptr, onHelperDone, run);
        return;
    }
    finish(request, ChosenFile::Outcome::kNoChooser);
}

}  // namespace

void chooseFile(const std::string& parentWindow, const std::string& title, ChosenCallback done,
                std::vector<std::string> helpers) {
    auto request = std::make_shared<Request>();
    request->parent = parentWindow;
    request->title = title;
    request->done = std::move(done);
    request->helpers = std::move(helpers);
    DesktopBus::get().post([request] { askPortal(request); });
}

}  // namespace platform::desktop

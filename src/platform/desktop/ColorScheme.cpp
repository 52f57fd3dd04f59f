// The colour-scheme preference: the GTK_THEME variable, else the portal's Settings.
#include "platform/desktop/ColorScheme.h"

#include <gio/gio.h>

#include <cstdlib>
#include <future>
#include <memory>
#include <string_view>

#include "platform/desktop/DesktopBus.h"

namespace platform::desktop {

namespace {

// color-scheme: 0 no preference, 1 prefer dark, 2 prefer light.
constexpr guint32 kPreferDark = 1;

bool themeVariableIsDark() {
    const char* theme = std::getenv("GTK_THEME");
    if (!theme) return false;
    const std::string_view t(theme);
    return t.size() >= 5 && t.substr(t.size() - 5) == ":dark";
}

// On the bus thread: the portal's answer (-1 for none).
int readColorScheme() {
    GDBusConnection* bus = DesktopBus::get().connection();
    if (!bus) return -1;
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
        "org.freedesktop.portal.Settings", "Read",
        g_variant_new("(ss)", "org.freedesktop.appearance", "color-scheme"),
        G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, &error);
    if (!reply) {
        g_error_free(error);
        return -1;
    }
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    g_variant_unref(reply);
    // Older portals wrap the value in one more variant.
    while (value && g_variant_is_of_type(value, G_VARIANT_TYPE_VARIANT)) {
        GVariant* inner = g_variant_get_variant(value);
        g_variant_unref(value);
        value = inner;
    }
    int scheme = -1;
    if (value && g_variant_is_of_type(value, G_VARIANT_TYPE_UINT32))
        scheme = static_cast<int>(g_variant_get_uint32(value));
    if (value) g_variant_unref(value);
    return scheme;
}

}  // namespace

bool prefersDark(std::chrono::milliseconds limit) {
    if (themeVariableIsDark()) return true;
    if (DesktopBus::sessionAddress().empty()) return false;
    auto answer = std::make_shared<std::promise<int>>();
    std::future<int> scheme = answer->get_future();
    DesktopBus::get().post([answer] { answer->set_value(readColorScheme()); });
    if (scheme.wait_for(limit) != std::future_status::ready) return false;
    return scheme.get() == static_cast<int>(kPreferDark);
}

}  // namespace platform::desktop

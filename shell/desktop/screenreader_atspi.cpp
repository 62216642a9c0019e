// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/screenreader.h"

#include <dbus/dbus.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace kalyxteron {

namespace {

constexpr const char *kService = "org.a11y.Bus";
constexpr const char *kPath = "/org/a11y/bus";
constexpr const char *kProperties = "org.freedesktop.DBus.Properties";
constexpr const char *kStatus = "org.a11y.Status";
constexpr const char *kScreenReaderEnabled = "ScreenReaderEnabled";
// A bus that does not answer within this is taken as having no screen reader on it.
constexpr int kLongestAnswerMs = 200;

// The session bus, as libdbus would find it, but never started for the program.
std::string sessionBusAddress()
{
    if (const char *address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address)
        return address;
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        const std::string socket = std::string(runtime) + "/bus";
        struct stat status {};
        if (stat(socket.c_str(), &status) == 0 && S_ISSOCK(status.st_mode))
            return "unix:path=" + socket;
    }
    return {};
}

// A private connection of the speech thread's own, kept while it lasts.
DBusConnection *g_bus = nullptr;

DBusConnection *bus()
{
    if (g_bus && dbus_connection_get_is_connected(g_bus))
        return g_bus;
    if (g_bus) {
        dbus_connection_unref(g_bus);
        g_bus = nullptr;
    }
    const std::string address = sessionBusAddress();
    if (address.empty())
        return nullptr;
    DBusError error;
    dbus_error_init(&error);
    DBusConnection *connection = dbus_connection_open_private(address.c_str(), &error);
    if (connection) {
        dbus_connection_set_exit_on_disconnect(connection, FALSE);
        if (!dbus_bus_register(connection, &error)) {
            dbus_connection_close(connection);
            dbus_connection_unref(connection);
            connection = nullptr;
        }
    }
    dbus_error_free(&error);
    g_bus = connection;
    return g_bus;
}

} // namespace

// Orca (and any other screen reader) sets the accessibility bus's ScreenReaderEnabled while it
// runs; the bus is asked without being started when nobody runs it.
bool screenReaderRunning()
{
    DBusConnection *connection = bus();
    if (!connection)
        return false;
    DBusMessage *question = dbus_message_new_method_call(kService, kPath, kProperties, "Get");
    if (!question)
        return false;
    dbus_message_set_auto_start(question, FALSE);
    dbus_message_append_args(question, DBUS_TYPE_STRING, &kStatus, DBUS_TYPE_STRING, &kScreenReaderEnabled,
                             DBUS_TYPE_INVALID);
    DBusError error;
    dbus_error_init(&error);
    DBusMessage *answer = dbus_connection_send_with_reply_and_block(connection, question, kLongestAnswerMs, &error);
    dbus_message_unref(question);
    dbus_error_free(&error);
    if (!answer)
        return false;
    dbus_bool_t enabled = FALSE;
    DBusMessageIter top;
    if (dbus_message_iter_init(answer, &top) && dbus_message_iter_get_arg_type(&top) == DBUS_TYPE_VARIANT) {
        DBusMessageIter value;
        dbus_message_iter_recurse(&top, &value);
        if (dbus_message_iter_get_arg_type(&value) == DBUS_TYPE_BOOLEAN)
            dbus_message_iter_get_basic(&value, &enabled);
    }
    dbus_message_unref(answer);
    return enabled;
}

} // namespace kalyxteron

// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11session.h"

// xkb.h is C and names a member `explicit`; Qt's own X11 code renames it the same way.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace kalyxteron::x11 {

namespace {

using std::chrono::milliseconds;

// How long one property may be, in 32-bit units: far more than any title.
constexpr uint32_t kLongestProperty = 4096;
// How often a process that has not ended yet is looked at again.
constexpr milliseconds kExitPollInterval{2};
constexpr int kEventTypeMask = 0x7f; // the top bit only says the event was sent by a client

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) + 1 : 0;
}

} // namespace

Session::Session()
{
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("cannot open the X display named by DISPLAY");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;

    // Every window mapped on the root, that is every top-level window when no window manager runs.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    Reply<xcb_generic_error_t> error(xcb_request_check(
        m_connection, xcb_change_window_attributes_checked(m_connection, m_root, XCB_CW_EVENT_MASK, &mask)));
    if (error)
        throw std::runtime_error("cannot watch the root window");

    // Bells come as XKB bell notifications; the core protocol does not report them.
    Reply<xcb_xkb_use_extension_reply_t> xkb(xcb_xkb_use_extension_reply(
        m_connection, xcb_xkb_use_extension(m_connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr));
    if (xkb && xkb->supported) {
        m_bellEventBase = xcb_get_extension_data(m_connection, &xcb_xkb_id)->first_event;
        xcb_xkb_select_events(m_connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_EVENT_TYPE_BELL_NOTIFY, 0,
                              XCB_XKB_EVENT_TYPE_BELL_NOTIFY, 0, 0, nullptr);
    }

    m_netWmName = atom("_NET_WM_NAME");
    m_utf8String = atom("UTF8_STRING");
    m_wmProtocols = atom("WM_PROTOCOLS");
    m_wmDeleteWindow = atom("WM_DELETE_WINDOW");
    sync();
}

Session::~Session()
{
    xcb_disconnect(m_connection);
}

xcb_atom_t Session::atom(const char *name)
{
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string Session::titleOf(xcb_window_t window)
{
    const std::pair<xcb_atom_t, xcb_atom_t> titles[] = {{m_netWmName, m_utf8String}, {XCB_ATOM_WM_NAME, XCB_ATOM_ANY}};
    for (auto [property, type] : titles) {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, property, type, 0, kLongestProperty), nullptr));
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                               std::size_t(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

bool Session::pump(Clock::time_point deadline,
                   const std::function<bool(xcb_generic_event_t *, Clock::time_point)> &wanted)
{
    for (;;) {
        while (xcb_generic_event_t *raw = xcb_poll_for_event(m_connection)) {
            const Clock::time_point now = Clock::now();
            Reply<xcb_generic_event_t> event(raw);
            if (m_bellEventBase >= 0 && (event->response_type & kEventTypeMask) == m_bellEventBase &&
                reinterpret_cast<xcb_xkb_bell_notify_event_t *>(raw)->xkbType == XCB_XKB_BELL_NOTIFY) {
                ++m_bells;
                continue;
            }
            if (wanted && wanted(raw, now))
                return true;
        }
        if (xcb_connection_has_error(m_connection))
            throw std::runtime_error("the X connection broke");
        const int wait = millisecondsUntil(deadline);
        if (wait == 0)
            return false;
        pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        ::poll(&fd, 1, wait);
    }
}

std::optional<MappedWindow> Session::waitForMapped(const std::string &titlePrefix, Clock::time_point deadline)
{
    std::optional<MappedWindow> found;
    pump(deadline, [&](xcb_generic_event_t *event, Clock::time_point at) {
        if ((event->response_type & kEventTypeMask) != XCB_MAP_NOTIFY)
            return false;
        const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
        if (map->override_redirect || titleOf(map->window).rfind(titlePrefix, 0) != 0)
            return false;
        found = MappedWindow{map->window, at};
        return true;
    });
    return found;
}

bool Session::waitForDestroyed(xcb_window_t window, Clock::time_point deadline)
{
    return pump(deadline, [window](xcb_generic_event_t *event, Clock::time_point) {
        return (event->response_type & kEventTypeMask) == XCB_DESTROY_NOTIFY &&
               reinterpret_cast<xcb_destroy_notify_event_t *>(event)->window == window;
    });
}

void Session::askToClose(xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = m_wmProtocols;
    message.data.data32[0] = m_wmDeleteWindow;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
    xcb_flush(m_connection);
}

void Session::sync()
{
    Reply<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    pump(Clock::now(), nullptr);
}

pid_t launch(const std::vector<std::string> &command, Clock::time_point &startedAt)
{
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    startedAt = Clock::now();
    const int error = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (error != 0)
        throw std::runtime_error("cannot start " + command.front() + ": " + std::strerror(error));
    return pid;
}

std::optional<int> waitForExit(pid_t pid, Clock::time_point deadline, int *signalled)
{
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            if (WIFEXITED(status))
                return WEXITSTATUS(status);
            if (signalled && WIFSIGNALED(status))
                *signalled = WTERMSIG(status);
            return std::nullopt;
        }
        if (ended < 0 && errno != EINTR)
            return std::nullopt;
        if (Clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(kExitPollInterval);
    }
}

void terminate(pid_t pid)
{
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

std::chrono::nanoseconds cpuTime(pid_t pid)
{
    // schedstat counts nanoseconds on the CPU per thread; stat's ticks would be too coarse.
    std::chrono::nanoseconds total{0};
    std::error_code error;
    for (const auto &task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        long long onCpu = 0;
        if (stat >> onCpu)
            total += std::chrono::nanoseconds(onCpu);
    }
    return total;
}

long peakMemoryKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return -1;
}

} // namespace kalyxteron::x11

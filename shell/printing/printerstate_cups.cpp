// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/printing/printerstate.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <thread>

namespace kalyxteron {

namespace {

constexpr char kAcceptingJobs[] = "printer-is-accepting-jobs";
constexpr char kPrinterState[] = "printer-state";
constexpr char kDeviceUri[] = "device-uri";
constexpr int kMillisecondsPerSecond = 1000;
constexpr int kUriPartLength = 256;

// The port each network backend reaches its printer on when its URI names none.
struct DevicePort {
    const char *scheme;
    int port;
};
constexpr DevicePort kDevicePorts[] = {
    {.scheme = "socket", .port = 9100}, {.scheme = "ipp", .port = 631},   {.scheme = "ipps", .port = 631},
    {.scheme = "http", .port = 631},    {.scheme = "https", .port = 443}, {.scheme = "lpd", .port = 515},
};

// libcups, opened at the first question to the print server: linked, it would map itself and
// what it pulls in (GnuTLS, Kerberos, Avahi, ...) at every start, about 3 MB of resident memory
// before any diploma is printed. The package depends on it (libcups2).
constexpr const char *kCupsLibrary = "libcups.so.2";

struct Cups {
    decltype(&::httpConnect2) connect;
    decltype(&::cupsServer) server;
    decltype(&::ippPort) port;
    decltype(&::cupsEncryption) encryption;
    decltype(&::httpSetTimeout) setTimeout;
    decltype(&::cupsGetNamedDest) namedDest;
    decltype(&::cupsLastError) lastError;
    decltype(&::cupsGetOption) option;
    decltype(&::cupsFreeDests) freeDests;
    decltype(&::httpClose) close;
    decltype(&::httpSeparateURI) separateUri;
    decltype(&::httpAddrGetList) addresses;
    decltype(&::httpAddrConnect2) connectToAddress;
    decltype(&::httpAddrClose) closeAddress;
    decltype(&::httpAddrFreeList) freeAddresses;
};

template <typename Function>
bool bind(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<Cups> openCups()
{
    void *library = dlopen(kCupsLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    Cups cups{};
    if (!bind(library, "httpConnect2", cups.connect) || !bind(library, "cupsServer", cups.server) ||
        !bind(library, "ippPort", cups.port) || !bind(library, "cupsEncryption", cups.encryption) ||
        !bind(library, "httpSetTimeout", cups.setTimeout) || !bind(library, "cupsGetNamedDest", cups.namedDest) ||
        !bind(library, "cupsLastError", cups.lastError) || !bind(library, "cupsGetOption", cups.option) ||
        !bind(library, "cupsFreeDests", cups.freeDests) || !bind(library, "httpClose", cups.close) ||
        !bind(library, "httpSeparateURI", cups.separateUri) || !bind(library, "httpAddrGetList", cups.addresses) ||
        !bind(library, "httpAddrConnect2", cups.connectToAddress) ||
        !bind(library, "httpAddrClose", cups.closeAddress) || !bind(library, "httpAddrFreeList", cups.freeAddresses)) {
        dlclose(library);
        return std::nullopt;
    }
    // Kept open for the rest of the run: a question left waiting may still be in it.
    return cups;
}

// Opened once, by whichever thread asks first.
const std::optional<Cups> &cups()
{
    static const std::optional<Cups> opened = openCups();
    return opened;
}

struct HttpClose {
    void operator()(http_t *http) const { cups()->close(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

struct DestFree {
    void operator()(cups_dest_t *dest) const { cups()->freeDests(1, dest); }
};
using Destination = std::unique_ptr<cups_dest_t, DestFree>;

// libcups asks this when a reply is late: it is not waited for.
int giveUp(http_t *, void *)
{
    return 0;
}

PrinterState state(PrinterReadiness readiness, const QString &name = QString())
{
    return {.readiness = readiness, .name = name, .stopped = false, .device = QString()};
}

PrinterState askPrintServer(int timeoutMs)
{
    if (!cups())
        return state(PrinterReadiness::NoServer); // no CUPS on this system at all
    const Cups &cups = *kalyxteron::cups();
    QElapsedTimer deadline;
    deadline.start();
    int cancelled = 0;
    Connection http(
        cups.connect(cups.server(), cups.port(), nullptr, AF_UNSPEC, cups.encryption(), 1, timeoutMs, &cancelled));
    if (!http) {
        // Refused at once: no socket, or nothing listening on it, so no server and no printer.
        // Refused only when the moment had passed: a server that does not answer.
        const bool absent = !deadline.hasExpired(timeoutMs);
        return state(absent ? PrinterReadiness::NoServer : PrinterReadiness::NotAnswering);
    }
    const double remaining = double(std::max<qint64>(1, timeoutMs - deadline.elapsed())) / kMillisecondsPerSecond;
    cups.setTimeout(http.get(), remaining, giveUp, nullptr);

    // The user's default (their lpoptions, LPDEST or PRINTER), else the server's.
    Destination dest(cups.namedDest(http.get(), nullptr, nullptr));
    if (deadline.hasExpired(timeoutMs))
        return state(PrinterReadiness::NotAnswering);
    if (!dest) {
        if (cups.lastError() == IPP_STATUS_ERROR_NOT_FOUND)
            return state(PrinterReadiness::Missing);
        const bool answered = cups.lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
        return state(answered ? PrinterReadiness::NoDefault : PrinterReadiness::NotAnswering);
    }
    const QString name = QString::fromUtf8(dest->name);
    const auto option = [&dest, &cups](const char *option) {
        return QByteArray(cups.option(option, dest->num_options, dest->options));
    };
    if (option(kAcceptingJobs) == "false")
        return state(PrinterReadiness::Rejecting, name);
    return {.readiness = PrinterReadiness::Ready,
            .name = name,
            .stopped = option(kPrinterState).toInt() == IPP_PSTATE_STOPPED,
            .device = QString::fromUtf8(option(kDeviceUri))};
}

struct AddressesFree {
    void operator()(http_addrlist_t *list) const { cups()->freeAddresses(list); }
};
using Addresses = std::unique_ptr<http_addrlist_t, AddressesFree>;

std::optional<bool> connectToDevice(const QByteArray &uri, int timeoutMs)
{
    if (!cups())
        return std::nullopt;
    const Cups &cups = *kalyxteron::cups();
    char scheme[kUriPartLength], user[kUriPartLength], host[kUriPartLength], resource[kUriPartLength];
    int port = 0;
    if (cups.separateUri(HTTP_URI_CODING_ALL, uri.constData(), scheme, sizeof scheme, user, sizeof user, host,
                        sizeof host, &port, resource, sizeof resource) < HTTP_URI_STATUS_OK)
        return std::nullopt;
    const auto known =
        std::find_if(std::begin(kDevicePorts), std::end(kDevicePorts),
                     [&scheme](const DevicePort &device) { return qstrcmp(device.scheme, scheme) == 0; });
    if (known == std::end(kDevicePorts) || host[0] == '\0')
        return std::nullopt; // a printer on USB, a PDF printer, one found by DNS-SD: nothing to ask
    const QByteArray service = QByteArray::number(port > 0 ? port : known->port);
    const Addresses addresses(cups.addresses(host, AF_UNSPEC, service.constData()));
    if (!addresses)
        return false; // a name that does not resolve: no printer answers there
    int socket = -1;
    int cancelled = 0;
    if (!cups.connectToAddress(addresses.get(), &socket, timeoutMs, &cancelled))
        return false;
    cups.closeAddress(nullptr, socket);
    return true;
}

// Runs a question to the outside world on a thread of its own: libcups may wait on an answer that
// never comes, and the pupil waits no longer than the moment.
template <typename Answer, typename Question>
std::optional<Answer> askWithin(int timeoutMs, Question question)
{
    auto answer = std::make_shared<std::promise<Answer>>();
    std::future<Answer> answered = answer->get_future();
    std::thread([answer, question] { answer->set_value(question()); }).detach();
    if (answered.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready)
        return std::nullopt;
    return answered.get();
}

} // namespace

PrinterState defaultPrinterState(int timeoutMs)
{
    // libcups may go on retrying a server that takes the connection but never answers.
    return askWithin<PrinterState>(timeoutMs, [timeoutMs] { return askPrintServer(timeoutMs); })
        .value_or(state(PrinterReadiness::NotAnswering));
}

std::optional<bool> deviceAnswers(const QString &device, int timeoutMs)
{
    const QByteArray uri = device.toUtf8();
    // Looking up the printer's name may wait on a name server that does not answer.
    const std::optional<std::optional<bool>> asked =
        askWithin<std::optional<bool>>(timeoutMs, [uri, timeoutMs] { return connectToDevice(uri, timeoutMs); });
    return asked.value_or(false);
}

} // namespace kalyxteron

// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/printerstate.h"

#include <cups/cups.h>

#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace kalyxteron {

namespace {

constexpr char kAcceptingJobs[] = "printer-is-accepting-jobs";
constexpr int kMillisecondsPerSecond = 1000;

struct HttpClose {
    void operator()(http_t *http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

struct DestFree {
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using Destination = std::unique_ptr<cups_dest_t, DestFree>;

// libcups asks this when a reply is late: it is not waited for.
int giveUp(http_t *, void *)
{
    return 0;
}

PrinterState askPrintServer(int timeoutMs)
{
    QElapsedTimer deadline;
    deadline.start();
    int cancelled = 0;
    Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutMs,
                                 &cancelled));
    if (!http) {
        // Refused at once: no socket, or nothing listening on it, so no server and no printer.
        // Refused only when the moment had passed: a server that does not answer.
        const bool absent = !deadline.hasExpired(timeoutMs);
        return {absent ? PrinterReadiness::NoServer : PrinterReadiness::NotAnswering, QString()};
    }
    const double remaining = double(std::max<qint64>(1, timeoutMs - deadline.elapsed())) / kMillisecondsPerSecond;
    httpSetTimeout(http.get(), remaining, giveUp, nullptr);

    // The user's default (their lpoptions, LPDEST or PRINTER), else the server's.
    Destination dest(cupsGetNamedDest(http.get(), nullptr, nullptr));
    if (deadline.hasExpired(timeoutMs))
        return {PrinterReadiness::NotAnswering, QString()};
    if (!dest) {
        if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
            return {PrinterReadiness::Missing, QString()};
        const bool answered = cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
        return {answered ? PrinterReadiness::NoDefault : PrinterReadiness::NotAnswering, QString()};
    }
    const QString name = QString::fromUtf8(dest->name);
    const char *accepting = cupsGetOption(kAcceptingJobs, dest->num_options, dest->options);
    if (accepting && QByteArray(accepting) == "false")
        return {PrinterReadiness::Rejecting, name};
    return {PrinterReadiness::Ready, name};
}

} // namespace

PrinterState defaultPrinterState(int timeoutMs)
{
    // libcups may go on retrying a server that takes the connection but never answers: it is
    // asked on a thread of its own, and the pupil waits for its answer no longer than the moment.
    auto answer = std::make_shared<std::promise<PrinterState>>();
    std::future<PrinterState> answered = answer->get_future();
    std::thread([answer, timeoutMs] { answer->set_value(askPrintServer(timeoutMs)); }).detach();
    if (answered.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready)
        return {PrinterReadiness::NotAnswering, QString()};
    return answered.get();
}

} // namespace kalyxteron

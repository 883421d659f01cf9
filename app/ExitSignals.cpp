// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExitSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lynvar {
namespace {

// [0] is written by the handler, [1] read by the notifier.
int g_pair[2] = {-1, -1};
struct sigaction g_former[3];
constexpr int Watched[3] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void writeSignalNumber(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    // Non-blocking: with the pair full, the signals already waiting close the program anyway.
    [[maybe_unused]] const ssize_t written = ::write(g_pair[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

ExitSignals::ExitSignals(QObject *parent) : QObject(parent)
{
    if (g_pair[0] >= 0)
        return; // another watcher has them
    // Without the pair the signals keep their default effect: better than a handler that cannot report.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pair) != 0) {
        std::fprintf(stderr, "LynvarBook: exit signals not watched: %s\n", std::strerror(errno));
        g_pair[0] = g_pair[1] = -1;
        return;
    }
    for (int fd : g_pair)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ExitSignals::readPending);

    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        ::sigaction(Watched[i], &action, &g_former[i]);
}

ExitSignals::~ExitSignals()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(Watched[i], &g_former[i], nullptr);
    delete m_notifier;
    for (int &fd : g_pair) {
        ::close(fd);
        fd = -1;
    }
}

void ExitSignals::readPending()
{
    char bytes[16];
    ssize_t count;
    while ((count = ::read(g_pair[1], bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < count; ++i)
            Q_EMIT received(int(bytes[i]));
    }
}

} // namespace lynvar

// SPDX-License-Identifier: GPL-3.0-or-later
// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the GUI thread, so the game can end as if closed.
#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zorvik {

namespace {

constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};
volatile std::sig_atomic_t writeEnd = -1;

void OnSignal(int signal)
{
    const int saved = errno;
    const auto number = static_cast<unsigned char>(signal);
    if (writeEnd >= 0) {
        const ssize_t written = ::write(writeEnd, &number, 1);
        static_cast<void>(written);  // a full pipe already holds a signal to act on
    }
    errno = saved;
}

void SetHandler(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Handled)
        ::sigaction(signal, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the default handling stays
    writeEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Drain);
    SetHandler(OnSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (pipe_[0] < 0) return;
    SetHandler(SIG_DFL);
    writeEnd = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void TerminationSignals::Drain()
{
    unsigned char number = 0;
    int last = 0;
    while (::read(pipe_[0], &number, 1) == 1)
        last = number;
    if (last == 0) return;
    SetHandler(SIG_DFL);
    emit Received(last);
}

}  // namespace zorvik

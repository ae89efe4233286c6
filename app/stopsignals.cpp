#include "stopsignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace rfid {

namespace {
// A signal handler reaches nothing but these: it may only do what is safe in
// any state of the program, so it writes the number to a socket that the
// window's thread reads, and counts.
int g_socket[2] = {-1, -1};
std::atomic<int> g_signals{0};

constexpr int kSignals[] = {SIGTERM, SIGINT};

extern "C" void onStopSignal(int number)
{
    if (g_signals.fetch_add(1) > 0)
        std::_Exit(128 + number);   // the orderly end hangs or is not wanted: now
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(g_socket[0], &byte, 1);
}
} // namespace

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_socket) != 0) {
        qWarning("Stop signals: no socket pair; SIGTERM and SIGINT end the program without saving");
        return;
    }
    g_signals = 0;
    m_notifier = new QSocketNotifier(g_socket[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::readSignal);
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals) {
        // A signal the starter chose to ignore (a background job's SIGINT) stays ignored.
        struct sigaction before = {};
        if (::sigaction(number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue;
        ::sigaction(number, &action, nullptr);
    }
}

StopSignals::~StopSignals()
{
    if (!m_notifier)
        return;
    for (int number : kSignals) {
        struct sigaction now = {};
        if (::sigaction(number, nullptr, &now) == 0 && now.sa_handler == onStopSignal)
            std::signal(number, SIG_DFL);
    }
    delete m_notifier;
    ::close(g_socket[0]);
    ::close(g_socket[1]);
    g_socket[0] = g_socket[1] = -1;
}

void StopSignals::readSignal()
{
    char byte = 0;
    if (::read(g_socket[1], &byte, 1) == 1)
        emit stopRequested(int(byte));
}

} // namespace rfid

#include "qt/SignalEnding.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

// All a signal handler may safely do: note the signal.
void noteSignal(int number) {
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

SignalEnding::SignalEnding(std::function<void()> endGame, QObject* parent) : QObject(parent), end(std::move(endGame)) {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;  // signals then end the program as ever
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalEnding::signalled);
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    for (const int number : {SIGTERM, SIGINT}) ::sigaction(number, &action, nullptr);
}

void SignalEnding::signalled() {
    char byte = 0;
    if (::read(signalPipe[0], &byte, 1) != 1) return;
    end();
    const int number = byte;
    ::signal(number, SIG_DFL);
    ::raise(number);
}

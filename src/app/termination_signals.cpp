#include "app/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace {

int signal_pipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signal_pipe[0], &byte, 1);
}

}  // namespace

void CloseOnTerminationSignals(QWidget& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signal_pipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signal_pipe[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(signal_pipe[1], &byte, 1);
        window.close();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

#include "cli/interrupt_guard.h"

#include <csignal>

#include <signal.h>  // NOLINT(modernize-deprecated-headers): POSIX sigaction

namespace tessara::cli {
namespace {

volatile std::sig_atomic_t receivedSignal = 0;
struct sigaction previousInterrupt {};
struct sigaction previousTerminate {};

extern "C" void noteSignal(int number)
{
    receivedSignal = number;
}

}  // namespace

InterruptGuard::InterruptGuard()
{
    receivedSignal = 0;
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read blocked on a pipe returns, so the run can stop.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, &previousInterrupt);
    sigaction(SIGTERM, &action, &previousTerminate);
}

InterruptGuard::~InterruptGuard()
{
    sigaction(SIGINT, &previousInterrupt, nullptr);
    sigaction(SIGTERM, &previousTerminate, nullptr);
}

int InterruptGuard::signal() const
{
    return receivedSignal;
}

}  // namespace tessara::cli

#pragma once

namespace tessara::cli {

// A run stopped by a signal exits with 128 plus the signal's number, as a
// shell reports a process the signal ended: 130 for SIGINT, 143 for SIGTERM.
inline constexpr int kExitSignalBase = 128;

// While it lives, SIGINT and SIGTERM do not end the process but are noted,
// so that a run can stop cleanly (its temporary output removed, the old
// output kept) and say so. Reads blocked on a pipe return with EINTR. The
// previous handlers come back when it ends.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // The signal received, or 0.
    int signal() const;
};

}  // namespace tessara::cli

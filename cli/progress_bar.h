#pragma once

#include "filetransform/file_transformer.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

// A progress bar for a file run on a terminal line: redrawn in place with a
// carriage return, a few times a second at most, and ended with a newline.
namespace tessara::cli {

// When the transform command draws the bar.
enum class ProgressMode {
    Off,           // no --progress
    WhenTerminal,  // --progress: only when standard error is a terminal
    Always,        // --progress=always: also into a file or a pipe
};

// "5,200,000": digits in groups of three.
std::string groupedInteger(std::uint64_t value);

// One line of at most `width - 1` characters (so that a terminal never
// wraps it), its parts in columns that stay put. With the input's size
// known:
//   "[########........]  52%   5,200,000 lines  310.5/596.4 MB     3.1 s"
// and without (a pipe), no bar and no percentage:
//   " 5,200,000 lines  310.5 MB     3.1 s"
std::string progressLine(const FileRunProgress& progress, double elapsedSeconds,
                         std::size_t width);

class ProgressBar {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    // The bar is redrawn at most this often.
    static constexpr std::chrono::milliseconds kRedrawInterval{100};

    ProgressBar(std::ostream& stream, std::size_t width, Now now = Clock::now);

    // Takes the run's latest progress; draws it on the first call and then
    // whenever the redraw interval has passed.
    void update(const FileRunProgress& progress);
    // Blanks the bar's line so that another line can be written in its
    // place; the bar comes back with a later update.
    void clear();
    // Before another line is written: once the whole input was read the
    // bar is finished (the run's closing lines follow), else cleared.
    void makeRoomForLine();
    // Draws the last progress once more and ends the line; writes nothing
    // when the bar was never drawn.
    void finish();

private:
    void draw();
    double elapsedSeconds() const;

    std::ostream& stream_;
    std::size_t width_;
    Now now_;
    FileRunProgress last_;
    bool started_ = false;
    bool finished_ = false;
    std::size_t shownLength_ = 0;  // characters of the bar now on the line; 0 if none
    Clock::time_point startedAt_;
    Clock::time_point drawnAt_;
};

// Whether the descriptor is a terminal, and its width in columns (80 when
// it is not a terminal or does not say).
bool isTerminal(int descriptor);
std::size_t terminalWidth(int descriptor);

}  // namespace tessara::cli

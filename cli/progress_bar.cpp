#include "cli/progress_bar.h"

#include "values/number_text.h"

#include <algorithm>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tessara::cli {
namespace {

constexpr std::size_t kDefaultWidth = 80;
constexpr std::size_t kNarrowestBar = 10;
constexpr std::size_t kWidestBar = 40;
constexpr std::size_t kLinesWidth = 10;
constexpr std::size_t kSecondsWidth = 6;

std::string padLeft(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

std::string megabytes(std::uint64_t bytes)
{
    return numtext::fixed(static_cast<double>(bytes) / 1e6, 1);
}

}  // namespace

std::string groupedInteger(std::uint64_t value)
{
    const std::string digits = numtext::integer(static_cast<long>(value));
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped.push_back(',');
        grouped.push_back(digits[i]);
    }
    return grouped;
}

std::string progressLine(const FileRunProgress& progress, double elapsedSeconds,
                         std::size_t width)
{
    // Every part keeps its width from one redraw to the next, so that the
    // line does not jitter: counts up to 99,999,999 lines and 9999 seconds.
    const std::size_t room = width > 1 ? width - 1 : 0;
    const std::string lines = padLeft(groupedInteger(progress.lines), kLinesWidth) + " lines  ";
    const std::string elapsed =
        "  " + padLeft(numtext::fixed(elapsedSeconds, 1), kSecondsWidth) + " s";
    std::string line;
    if (progress.bytesTotal == 0) {
        // A pipe: how far the run is cannot be known, only how much is done.
        line = lines + megabytes(progress.bytesDone) + " MB" + elapsed;
    } else {
        // A file that grew while it was read must not pass the end of the bar.
        const std::uint64_t done = std::min(progress.bytesDone, progress.bytesTotal);
        const std::string total = megabytes(progress.bytesTotal);
        const std::uint64_t percent = done * 100 / progress.bytesTotal;
        const std::string tail = " " +
                                 padLeft(numtext::integer(static_cast<long>(percent)) + "%", 4) +
                                 "  " + lines + padLeft(megabytes(done), total.size()) + "/" +
                                 total + " MB" + elapsed;
        // The tail keeps its length through a run, and so does the bar.
        const std::size_t spare = room > tail.size() + 2 ? room - tail.size() - 2 : 0;
        const std::size_t barWidth = std::clamp(spare, kNarrowestBar, kWidestBar);
        const auto filled = static_cast<std::size_t>(done * barWidth / progress.bytesTotal);
        line = "[" + std::string(filled, '#') + std::string(barWidth - filled, '.') + "]" + tail;
    }
    line.resize(std::min(line.size(), room));
    return line;
}

ProgressBar::ProgressBar(std::ostream& stream, std::size_t width, Now now)
    : stream_(stream), width_(width), now_(std::move(now))
{
}

double ProgressBar::elapsedSeconds() const
{
    return std::chrono::duration<double>(now_() - startedAt_).count();
}

void ProgressBar::update(const FileRunProgress& progress)
{
    last_ = progress;
    const Clock::time_point now = now_();
    if (!started_) {
        started_ = true;
        startedAt_ = now;
        draw();
        return;
    }
    if (now - drawnAt_ >= kRedrawInterval)
        draw();
}

void ProgressBar::draw()
{
    drawnAt_ = now_();
    const std::string line = progressLine(last_, elapsedSeconds(), width_);
    // A shorter line must cover the end of the longer one before it.
    std::string text = "\r" + line;
    if (line.size() < shownLength_)
        text.append(shownLength_ - line.size(), ' ');
    stream_ << text << std::flush;
    shownLength_ = line.size();
}

void ProgressBar::clear()
{
    if (shownLength_ == 0)
        return;
    stream_ << '\r' << std::string(shownLength_, ' ') << '\r' << std::flush;
    shownLength_ = 0;
}

void ProgressBar::makeRoomForLine()
{
    // Once the whole input was read, only the closing lines of the run
    // follow: the bar is finished above them rather than drawn again below.
    if (last_.bytesTotal > 0 && last_.bytesDone >= last_.bytesTotal)
        finish();
    else
        clear();
}

void ProgressBar::finish()
{
    if (!started_ || finished_)
        return;
    finished_ = true;
    draw();
    stream_ << '\n' << std::flush;
    shownLength_ = 0;
}

bool isTerminal(int descriptor) { return ::isatty(descriptor) == 1; }

std::size_t terminalWidth(int descriptor)
{
    winsize size{};
    if (!isTerminal(descriptor) || ::ioctl(descriptor, TIOCGWINSZ, &size) != 0 || size.ws_col == 0)
        return kDefaultWidth;
    return size.ws_col;
}

}  // namespace tessara::cli

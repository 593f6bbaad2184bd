#include "cli/progress_bar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace tessara::cli {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

TEST(ProgressBar, LinesKeepTheirColumnsAndTheWidth)
{
    // The counts grouped by thousands; the sizes in MB, the time in seconds.
    struct Case { const char* name; FileRunProgress progress; double seconds; std::size_t width; const char* line; };
    const Case cases[] = {
        {"half", {5'200'000, 2'000'000, 4'000'000}, 3.14, 80,
         "[################................]  50%   5,200,000 lines  2.0/4.0 MB     3.1 s"},
        {"done", {10'000'000, 4'000'000, 4'000'000}, 12.0, 80,
         "[################################] 100%  10,000,000 lines  4.0/4.0 MB    12.0 s"},
        // A file that grew while it was read stops at the end of the bar.
        {"beyond the size", {7, 5'000'000, 4'000'000}, 1.0, 80,
         "[################################] 100%           7 lines  4.0/4.0 MB     1.0 s"},
        // Larger sizes take their room from the bar, not from the text.
        {"large file", {9'950'761, 466'600'000, 468'888'897}, 6.94, 80,
         "[###########################.]  99%   9,950,761 lines  466.6/468.9 MB     6.9 s"},
        {"pipe", {5'200'000, 310'500'000, 0}, 3.0, 80, " 5,200,000 lines  310.5 MB     3.0 s"},
        {"wide terminal", {1, 2'000'000, 4'000'000}, 0.0, 200,
         "[####################....................]  50%           1 lines  2.0/4.0 MB     0.0 s"},
        {"narrow terminal", {1, 2'000'000, 4'000'000}, 0.0, 40, "[#####.....]  50%           1 lines  2."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string line = progressLine(c.progress, c.seconds, c.width);
        EXPECT_EQ(line, c.line);
        EXPECT_LT(line.size(), c.width);
    }
}

// A clock the test moves by hand.
struct FakeClock {
    ProgressBar::Clock::time_point now{};
    ProgressBar bar(std::ostream& out)
    {
        return ProgressBar(out, 80, [this] { return now; });
    }
    void advance(int milliseconds) { now += std::chrono::milliseconds(milliseconds); }
};

TEST(ProgressBar, RedrawsAtAModestRateAndGivesWayToMessages)
{
    std::ostringstream out;
    FakeClock clock;
    ProgressBar bar = clock.bar(out);
    bar.makeRoomForLine();
    EXPECT_THAT(out.str(), IsEmpty()) << "nothing drawn, nothing to clear";
    bar.update({0, 0, 1000});
    const std::string drawn = out.str();
    EXPECT_THAT(drawn, StartsWith("\r[......"));
    clock.advance(50);
    bar.update({10, 500, 1000});
    EXPECT_EQ(out.str(), drawn) << "redrawn too soon";
    // A message blanks the bar with as many blanks as it had, the cursor back at the start.
    bar.makeRoomForLine();
    EXPECT_EQ(out.str(), drawn + "\r" + std::string(drawn.size() - 1, ' ') + "\r");
    clock.advance(60);
    bar.update({11, 600, 1000});
    EXPECT_THAT(out.str().substr(drawn.size()), ::testing::MatchesRegex("\r +\r\r\\[#+\\.+]  60%          11 lines  0.0/0.0 MB     0.1 s"));
    // Once the input is all read the bar is finished instead, above the closing lines of the run.
    clock.advance(10);
    bar.update({3, 1000, 1000});
    bar.makeRoomForLine();
    EXPECT_THAT(out.str(), EndsWith("100%           3 lines  0.0/0.0 MB     0.1 s\n"));
    const std::string finished = out.str();
    bar.makeRoomForLine();
    bar.finish();
    bar.clear();
    EXPECT_EQ(out.str(), finished) << "a finished bar writes nothing more";
}

// A pipe has no size to reach: finishing draws the last progress once more.
// A bar never drawn writes nothing.
TEST(ProgressBar, APipeIsNeverFinishedEarlyAndAnUnusedBarIsSilent)
{
    std::ostringstream out;
    FakeClock clock;
    ProgressBar bar = clock.bar(out);
    bar.update({3, 1000, 0});
    bar.makeRoomForLine();
    EXPECT_THAT(out.str(), ::testing::Not(HasSubstr("\n")));
    clock.advance(10);
    bar.update({4, 1000, 0});
    bar.finish();
    EXPECT_THAT(out.str(), EndsWith("         4 lines  0.0 MB     0.0 s\n"));
    std::ostringstream silent;
    ProgressBar(silent, 80).finish();
    EXPECT_THAT(silent.str(), IsEmpty());
}

}  // namespace
}  // namespace tessara::cli

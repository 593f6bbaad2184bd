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

TEST(ProgressBar, GroupedCounts)
{
    struct Case { std::uint64_t value; const char* text; };
    for (const Case& c : {Case{0, "0"}, Case{999, "999"}, Case{1000, "1,000"}, Case{12345, "12,345"},
                          Case{999999, "999,999"}, Case{10000000, "10,000,000"}})
        EXPECT_EQ(groupedInteger(c.value), c.text);
}

TEST(ProgressBar, LinesKeepTheirColumnsAndTheWidth)
{
    struct Case { const char* name; FileRunProgress progress; double seconds; std::size_t width; const char* line; };
    const Case cases[] = {
        {"start", {0, 0, 4'000'000}, 0.0, 80,
         "[................................]   0%           0 lines  0.0/4.0 MB     0.0 s"},
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
    void advance(int milliseconds) { now += std::chrono::milliseconds(milliseconds); }
};

TEST(ProgressBar, RedrawsAtAModestRateAndEndsWithANewline)
{
    std::ostringstream out;
    FakeClock clock;
    ProgressBar bar(out, 80, [&clock] { return clock.now; });
    bar.update({0, 0, 1000});
    EXPECT_THAT(out.str(), StartsWith("\r[......"));
    const std::size_t firstDraw = out.str().size();

    clock.advance(50);
    bar.update({10, 500, 1000});
    EXPECT_EQ(out.str().size(), firstDraw) << "redrawn too soon";
    clock.advance(60);
    bar.update({11, 600, 1000});
    EXPECT_THAT(out.str().substr(firstDraw), StartsWith("\r[#################"));
    EXPECT_THAT(out.str(), EndsWith("60%          11 lines  0.0/0.0 MB     0.1 s"));

    clock.advance(10);
    bar.finish();
    // The last progress drawn once more, then the line ended.
    EXPECT_THAT(out.str(), EndsWith(" 60%          11 lines  0.0/0.0 MB     0.1 s\n"));
    const std::string finished = out.str();
    bar.finish();
    bar.clear();
    EXPECT_EQ(out.str(), finished) << "a finished bar writes nothing more";
}

TEST(ProgressBar, MessagesTakeTheBarsLine)
{
    std::ostringstream out;
    FakeClock clock;
    ProgressBar bar(out, 80, [&clock] { return clock.now; });
    bar.makeRoomForLine();
    EXPECT_THAT(out.str(), IsEmpty()) << "nothing drawn, nothing to clear";

    bar.update({0, 0, 1000});
    const std::string drawn = out.str();
    bar.makeRoomForLine();
    // Blanked with as many blanks as the bar had, the cursor back at the start.
    const std::string blanked = out.str().substr(drawn.size());
    EXPECT_EQ(blanked, "\r" + std::string(drawn.size() - 1, ' ') + "\r");

    // Once the input is all read the bar is finished instead, above the
    // closing lines of the run.
    clock.advance(10);
    bar.update({3, 1000, 1000});
    bar.makeRoomForLine();
    EXPECT_THAT(out.str(), EndsWith("100%           3 lines  0.0/0.0 MB     0.0 s\n"));
    const std::string finished = out.str();
    bar.makeRoomForLine();
    bar.finish();
    EXPECT_EQ(out.str(), finished);
}

// A pipe has no size to reach; a bar never drawn writes nothing.
TEST(ProgressBar, APipeIsNeverFinishedEarlyAndAnUnusedBarIsSilent)
{
    std::ostringstream out;
    FakeClock clock;
    ProgressBar bar(out, 80, [&clock] { return clock.now; });
    bar.update({3, 1000, 0});
    bar.makeRoomForLine();
    EXPECT_THAT(out.str(), ::testing::Not(HasSubstr("\n")));
    bar.finish();
    EXPECT_THAT(out.str(), EndsWith("         3 lines  0.0 MB     0.0 s\n"));

    std::ostringstream silent;
    ProgressBar(silent, 80).finish();
    EXPECT_THAT(silent.str(), IsEmpty());
}

}  // namespace
}  // namespace tessara::cli

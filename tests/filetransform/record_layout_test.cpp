#include "filetransform/record_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessara {
namespace {

// A line of texts at their columns, as the layouts place them: the blanks
// between the texts belong to the line.
using Texts = std::vector<std::pair<std::string, int>>;

void placeAll(const Texts& texts, AlignedLine& line)
{
    for (const auto& [text, column] : texts)
        line.place(text, column);
}

std::string finished(const Texts& texts)
{
    std::string out;
    AlignedLine line(out);
    placeAll(texts, line);
    line.finish();
    return out;
}

struct Lines final : RecordLineDrawer {
    Texts echo, cartesian, geographic;
    void inputEcho(AlignedLine& line) const override { placeAll(echo, line); }
    void cartesianLine(AlignedLine& line) const override { placeAll(cartesian, line); }
    void geographicLine(AlignedLine& line) const override { placeAll(geographic, line); }
};

// A record drawn straight into the output must be the record laid out from
// copies of its lines; where a line runs into its neighbours (whose blanks
// then overwrite them, or they the line), its lines are drawn apart and
// copied instead.
TEST(RecordLayout, DrawnRecordIsTheCopiedRecord)
{
    const Texts echo = {{"-19", 0}, {"08", 4}, {"39.34277", 7}, {"127", 17}, {"273.446", 39}};
    const Texts cartesian = {{"-3659320.3931", 0}, {"4789998.3418", 18}, {"-2078531.9502", 34}};
    const Texts geographic = {{" 19", 0}, {"08", 4}, {"39.36311", 7}, {"273.482", 39}};
    struct Case {
        const char* name;
        bool forward;
        std::string setName, epoch, identifier;
        Texts echo, cartesian, geographic;
        bool withCartesian, withGeographic, drawn;
    };
    const std::string longName(40, 'N');
    const Case cases[] = {
        {"a full record", true, "ITRF2000", "2005.000", "P1", echo, cartesian, geographic,
         true, true, true},
        {"reverse, geographic only", false, "ITRF2014", "2020.500", "P2", echo, {},
         geographic, false, true, true},
        {"cartesian only, empty identifier", true, "ITRF2000", "", "", echo, cartesian, {},
         true, false, true},
        {"an empty echo and geographic line", true, "ITRF2000", "2005.000", "P9", {}, cartesian,
         {}, true, true, true},
        {"a set name over the echo", true, longName, "2005.000", "P3", echo, cartesian,
         geographic, true, true, false},
        {"an epoch over the echo", true, "ITRF2000", "2005.0000000000001", "P4", echo,
         cartesian, geographic, true, true, false},
        {"an echo over the bar", true, "ITRF2000", "2005.000", "P5",
         {{"-19", 0}, {"123456789012345.125", 40}}, cartesian, geographic, true, true, false},
        {"a reverse set name over the cartesian line", false, longName, "2005.000", "P6", echo,
         cartesian, geographic, true, true, false},
        {"a cartesian line over the geographic line", true, "ITRF2000", "2005.000", "P7", echo,
         {{"-3659320.3931", 0}, {"-2078531.95021234567", 40}}, geographic, true, true, false},
        {"a geographic line over the bar and identifier", true, "ITRF2000", "2005.000", "P8",
         echo, cartesian, {{" 19", 0}, {"x", 60}}, true, true, true},
    };
    // One set of buffers for every record, as a file run keeps them: a line
    // drawn apart must not keep any of the one drawn there before it.
    RecordLineBuffers buffers;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lines lines;
        lines.echo = c.echo;
        lines.cartesian = c.cartesian;
        lines.geographic = c.geographic;
        RecordTexts texts;
        texts.forward = c.forward;
        texts.setName = c.setName;
        texts.epochText = c.epoch;
        texts.identifier = c.identifier;
        const std::string echoLine = finished(c.echo);
        const std::string cartesianLine = finished(c.cartesian);
        const std::string geographicLine = finished(c.geographic);
        texts.inputEcho = echoLine;
        if (c.withCartesian)
            texts.cartesianLine = cartesianLine;
        if (c.withGeographic)
            texts.geographicLine = geographicLine;

        std::string copied = "before\r\n";
        appendRecordLine(texts, copied);
        // The drawn layout takes the lines from the drawer alone.
        RecordTexts toDraw = texts;
        toDraw.inputEcho = {};
        if (c.withCartesian)
            toDraw.cartesianLine.emplace();
        if (c.withGeographic)
            toDraw.geographicLine.emplace();
        std::string drawn = "before\r\n";
        EXPECT_EQ(appendDrawnRecordLine(toDraw, lines, buffers, drawn), c.drawn);
        EXPECT_EQ(drawn, copied);
    }
}

}  // namespace
}  // namespace tessara

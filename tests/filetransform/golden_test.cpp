// Whole runs compared byte for byte with stored outputs: each output
// notation in text and comma-separated form, both directions, the
// hemisphere styles, and every sample file with its detected layout.
#include "filetransform/convert_checks.h"

#include "run_fixture.h"

#include <filesystem>

namespace tessara {
namespace {

using testing::expectGolden;
using testing::maskedTime;
using testing::sourcePath;

class GoldenRun : public testing::FileRunTest {
protected:
    // A sample file copied in, with the run's choices as detection gives them.
    FileRunSettings sample(const std::string& name, const std::string& output)
    {
        std::filesystem::copy_file(sourcePath("examples/" + name), folder_.file(name));
        FileRunSettings s = settings(name, output);
        const FilePreview preview = previewFile(name);
        EXPECT_TRUE(preview.detected.has_value()) << name;
        if (preview.detected)
            s.format = choiceFromDetection(*preview.detected, s.format).format;
        return s;
    }
};

TEST_F(GoldenRun, EveryNotationAsTextAndCommaSeparated)
{
    struct Case { const char* name; AngleNotation notation; };
    const Case cases[] = {{"dms", AngleNotation::Dms}, {"dm", AngleNotation::Dm}, {"dd", AngleNotation::Dd},
                          {"dmshp", AngleNotation::Dmshp}, {"dmhp", AngleNotation::Dmhp}};
    for (const Case& c : cases) {
        for (const char* extension : {".txt", ".csv"}) {
            const std::string output = std::string("notation_") + c.name + extension;
            SCOPED_TRACE(output);
            FileRunSettings s = sample("geographic_dms.txt", output);
            s.output.notation = c.notation;
            const testing::RunOutcome r = run(s);
            EXPECT_TRUE(r.result.status == FileRunStatus::Completed && r.result.errors == 0);
            expectGolden(output, maskedTime(r.output));
            std::filesystem::remove(folder_.file("geographic_dms.txt"));
        }
    }
}

TEST_F(GoldenRun, OutputChoices)
{
    struct Case { const char *output, *input; FileDirection direction; bool geographic, cartesian, header;
                  FileHemisphereStyle hemisphere; AngleNotation notation; OutputPrecision precision; };
    const auto itrf = FileDirection::ItrfToGda94;
    const auto gda = FileDirection::Gda94ToItrf;
    const auto aust = FileHemisphereStyle::Australian;
    const Case cases[] = {
        {"reverse_dd.txt", "geographic_dd.csv", gda, true, true, true, aust, AngleNotation::Dd, {}},
        {"reverse_dd.csv", "geographic_dd.csv", gda, true, true, true, aust, AngleNotation::Dd, {}},
        {"sign_dd.csv", "geographic_dd.csv", itrf, true, false, false, FileHemisphereStyle::Sign, AngleNotation::Dd, {}},
        {"sign_dms.txt", "geographic_dd.csv", itrf, true, false, true, FileHemisphereStyle::Sign, AngleNotation::Dms, {}},
        {"letter_dms.txt", "geographic_dd.csv", itrf, true, true, true, FileHemisphereStyle::Letter, AngleNotation::Dms, {}},
        {"letter_dm.csv", "geographic_dd.csv", itrf, true, true, true, FileHemisphereStyle::Letter, AngleNotation::Dm, {}},
        {"cartesian_only.txt", "cartesian.csv", itrf, false, true, true, aust, AngleNotation::Dms, {}},
        {"cartesian_only.csv", "cartesian.csv", itrf, false, true, false, aust, AngleNotation::Dms, {}},
        {"low_precision.txt", "cartesian_epochs.txt", itrf, true, true, true, aust, AngleNotation::Dms, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        FileRunSettings s = sample(c.input, c.output);
        s.format.direction = c.direction;
        s.output = {c.geographic, c.cartesian, c.header, c.notation, c.hemisphere, c.precision};
        const testing::RunOutcome r = run(s);
        EXPECT_EQ(r.result.status, FileRunStatus::Completed);
        expectGolden(c.output, maskedTime(r.output));
        std::filesystem::remove(folder_.file(c.input));
    }
}

// Each sample file run as the file dialog would run it after detection
// (the packed files with the packed layout the user confirms), with the
// default output.
TEST_F(GoldenRun, SampleFiles)
{
    struct Case { const char* input; std::optional<AngleLayout> confirmedLayout; long errors; };
    const Case cases[] = {
        {"cartesian.csv", {}, 0}, {"cartesian_epochs.txt", {}, 0}, {"geographic_dd.csv", {}, 0},
        {"geographic_dms.txt", {}, 0}, {"geographic_dms_tab.txt", {}, 0}, {"geographic_dms_one_field.csv", {}, 0},
        {"geographic_dm.txt", {}, 0}, {"geographic_dm_one_field.csv", {}, 0},
        {"geographic_packed_dms.csv", AngleLayout::Dmshp, 0}, {"geographic_packed_dm.csv", AngleLayout::Dmhp, 0},
        {"geographic_letters.txt", {}, 0}, {"identifiers_with_blanks.txt", {}, 0},
        {"quoted_identifiers.csv", {}, 0}, {"with_errors.txt", {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const std::string stem = std::filesystem::path(c.input).stem().string();
        const std::string output = "sample_" + stem + ".out";
        FileRunSettings s = sample(c.input, output);
        if (c.confirmedLayout)
            s.format.angleLayout = c.confirmedLayout;
        const testing::RunOutcome r = run(s);
        EXPECT_TRUE(r.result.status == FileRunStatus::Completed && r.result.errors == c.errors);
        std::string report;
        for (const std::string& m : r.messages)
            report += m + "\n";
        expectGolden(output, maskedTime(r.output));
        expectGolden(output + ".messages", report);
    }
}

}  // namespace
}  // namespace tessara

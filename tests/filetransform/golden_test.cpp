// Whole runs compared byte for byte with stored outputs: each output
// notation in text and comma-separated form, both directions, the
// hemisphere styles, and every sample file with its detected layout.
#include "filetransform/convert_checks.h"

#include "run_fixture.h"

#include <filesystem>
#include <functional>

namespace tessara {
namespace {

using testing::expectGolden;
using testing::maskedTime;

class GoldenRun : public testing::FileRunTest {
protected:
    // A sample file copied in, with the run's choices as detection gives them.
    testing::RunOutcome runSample(const std::string& name, const std::string& output,
                                  const std::function<void(FileRunSettings&)>& change)
    {
        std::filesystem::copy_file(testing::sourcePath("examples/" + name), folder_.file(name),
                                   std::filesystem::copy_options::overwrite_existing);
        FileRunSettings s = settings(name, output);
        const FilePreview preview = previewFile(name);
        EXPECT_TRUE(preview.detected.has_value()) << name;
        if (preview.detected)
            s.format = choiceFromDetection(*preview.detected, s.format).format;
        change(s);
        const testing::RunOutcome r = run(s);
        expectGolden(output, maskedTime(r.output));
        return r;
    }
};

TEST_F(GoldenRun, OutputChoicesAndEveryNotationAsTextAndCommaSeparated)
{
    struct Case { std::string output; const char* input; FileDirection direction; OutputFileFormat format; };
    const auto itrf = FileDirection::ItrfToGda94, gda = FileDirection::Gda94ToItrf;
    const auto aust = FileHemisphereStyle::Australian, sign = FileHemisphereStyle::Sign;
    const auto letter = FileHemisphereStyle::Letter;
    const auto dd = AngleNotation::Dd, dms = AngleNotation::Dms;
    std::vector<Case> cases = {
        {"reverse_dd.txt", "geographic_dd.csv", gda, {true, true, true, dd, aust, {}}},
        {"reverse_dd.csv", "geographic_dd.csv", gda, {true, true, true, dd, aust, {}}},
        {"sign_dd.csv", "geographic_dd.csv", itrf, {true, false, false, dd, sign, {}}},
        {"sign_dms.txt", "geographic_dd.csv", itrf, {true, false, true, dms, sign, {}}},
        {"letter_dms.txt", "geographic_dd.csv", itrf, {true, true, true, dms, letter, {}}},
        {"letter_dm.csv", "geographic_dd.csv", itrf, {true, true, true, AngleNotation::Dm, letter, {}}},
        {"cartesian_only.txt", "cartesian.csv", itrf, {false, true, true, dms, aust, {}}},
        {"cartesian_only.csv", "cartesian.csv", itrf, {false, true, false, dms, aust, {}}},
        {"low_precision.txt", "cartesian_epochs.txt", itrf, {true, true, true, dms, aust, {0, 0, 0, 0, 0}}},
    };
    for (const auto& [name, notation] : {std::pair{"dms", dms}, {"dm", AngleNotation::Dm}, {"dd", dd},
                                         {"dmshp", AngleNotation::Dmshp}, {"dmhp", AngleNotation::Dmhp}})
        for (const char* extension : {".txt", ".csv"})
            cases.push_back({std::string("notation_") + name + extension, "geographic_dms.txt", itrf,
                             {true, true, true, notation, aust, {}}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        const testing::RunOutcome r = runSample(c.input, c.output, [&c](FileRunSettings& s) {
            s.format.direction = c.direction;
            s.output = c.format;
        });
        EXPECT_TRUE(r.result.status == FileRunStatus::Completed && r.result.errors == 0);
    }
}

// Each sample file run as the file dialog would run it after detection
// (the packed files with the packed layout the user confirms), with the
// default output.
TEST_F(GoldenRun, SampleFiles)
{
    struct Case { const char* input; std::optional<AngleLayout> confirmedLayout = {}; long errors = 0; };
    const Case cases[] = {
        {"cartesian.csv"}, {"cartesian_epochs.txt"}, {"geographic_dd.csv"}, {"geographic_dms.txt"},
        {"geographic_dms_tab.txt"}, {"geographic_dms_one_field.csv"}, {"geographic_dm.txt"},
        {"geographic_dm_one_field.csv"}, {"geographic_packed_dms.csv", AngleLayout::Dmshp},
        {"geographic_packed_dm.csv", AngleLayout::Dmhp}, {"geographic_letters.txt"},
        {"identifiers_with_blanks.txt"}, {"quoted_identifiers.csv"}, {"with_errors.txt", {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const std::string output = "sample_" + std::filesystem::path(c.input).stem().string() + ".out";
        const testing::RunOutcome r = runSample(c.input, output, [&c](FileRunSettings& s) {
            if (c.confirmedLayout)
                s.format.angleLayout = c.confirmedLayout;
        });
        EXPECT_TRUE(r.result.status == FileRunStatus::Completed && r.result.errors == c.errors);
        std::string report;
        for (const std::string& m : r.messages)
            report += m + "\n";
        expectGolden(output + ".messages", report);
    }
}

}  // namespace
}  // namespace tessara

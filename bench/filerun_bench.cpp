// Throughput of a whole file run: the layout of the input is detected from
// its first lines as the file dialog and the command line do, then the file
// is transformed with ITRF2000 and written as text or comma-separated
// records. Reports lines per second and the process's peak memory.
//
//   tessara_filerun_bench INPUT OUTPUT [--output geo|xyz|geo,xyz] [--layout dmshp|dmhp]
//
// OUTPUT ending in .csv (any case) gets comma-separated records.
#include "records/builtin_records.h"
#include "filetransform/convert_checks.h"
#include "filetransform/file_transformer.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <sys/resource.h>

namespace {

using namespace tessara;

rusage usage()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u;
}

double seconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

// Processor time (user and system) of the process so far.
double cpuSeconds()
{
    const rusage u = usage();
    return seconds(u.ru_utime) + seconds(u.ru_stime);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: %s INPUT OUTPUT [--output geo|xyz|geo,xyz] [--layout dmshp|dmhp]\n",
                     argv[0]);
        return 2;
    }
    FileRunSettings s;
    s.inputPath = argv[1];
    s.outputPath = argv[2];
    s.parameters = builtInParameterSets().front();
    s.ellipsoid = builtInEllipsoid();
    s.format.parameterSetName = s.parameters.name;
    s.format.setDate = "01/01/2005";
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        const std::string_view value = argv[i + 1];
        if (option == "--output") {
            s.output.geographic = value.find("geo") != std::string_view::npos;
            s.output.cartesian = value.find("xyz") != std::string_view::npos;
        } else if (option == "--layout") {
            s.format.angleLayout = value == "dmshp" ? AngleLayout::Dmshp : AngleLayout::Dmhp;
        }
    }
    const std::optional<AngleLayout> forcedLayout = s.format.angleLayout;

    const FilePreview preview = previewFile(s.inputPath);
    if (!preview.detected) {
        std::fprintf(stderr, "%s: no layout detected\n", argv[1]);
        return 2;
    }
    s.format = choiceFromDetection(*preview.detected, s.format).format;
    if (forcedLayout)
        s.format.angleLayout = forcedLayout;

    FileRunCallbacks callbacks;
    callbacks.message = [](std::string_view m) {
        // Failing lines would flood the terminal; the summary is enough.
        if (m.substr(0, 12) == "Transformed ")
            std::fprintf(stderr, "%.*s\n", static_cast<int>(m.size()), m.data());
    };
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds();
    FileTransformer run(std::move(s), std::move(callbacks));
    const FileRunResult result = run.Run();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    const double cpu = cpuSeconds() - cpuStart;

    if (result.status != FileRunStatus::Completed) {
        std::fprintf(stderr, "%s\n", result.errorText.c_str());
        return 2;
    }
    const double lines = static_cast<double>(result.lines);
    std::printf("%ld lines: %.3f s wall (%.0f lines/s), %.3f s processor (%.0f lines/s), "
                "peak memory %ld KiB\n",
                result.lines, wall.count(), lines / wall.count(), cpu, lines / cpu,
                usage().ru_maxrss);
    return 0;
}

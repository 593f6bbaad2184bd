// Per-point cost of the interactive and file paths: the transformation of
// one point, and reading, transforming and formatting one DMS record.
#include "records/builtin_records.h"
#include "values/point_transformer.h"
#include "values/aligned_line.h"
#include "values/epoch.h"
#include "values/formatting.h"
#include "values/readers.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tessara;

PointTransformer prepared()
{
    PointTransformer pt;
    pt.parameters = builtInParameterSets().front();
    pt.ellipsoid = builtInEllipsoid();
    pt.epoch = 2002.0;
    return pt;
}

void transformOnePoint(benchmark::State& state)
{
    PointTransformer pt = prepared();
    pt.inputGeographic = {-33.86881968, 151.2, 12.345};
    for (auto _ : state) {
        pt.GeographicToCartesian();
        pt.Transform(Direction::ItrfToGda94);
        pt.CartesianToGeographic();
        benchmark::DoNotOptimize(pt.CheckGeographicRange());
    }
}
BENCHMARK(transformOnePoint);

void readTransformFormatDmsRecord(benchmark::State& state)
{
    PointTransformer pt = prepared();
    for (auto _ : state) {
        pt.messages.clear();
        ReadEpoch(pt, "12/05/2005", EpochMode::Automatic);
        ReadDms(pt, "-33", "52", "07.75085", "151", "12", "00.00000");
        ReadHeight(pt, "12.345");
        ApplyHemisphereLetters(pt, "", "", FileHemisphereStyle::Australian);
        pt.GeographicToCartesian();
        pt.Transform(Direction::ItrfToGda94);
        pt.CartesianToGeographic();
        pt.CheckGeographicRange();
        FormatOutputPoint(pt, OutputPrecision{});
        ApplyFileHemisphere(pt, FileHemisphereStyle::Australian, false);
        std::string line = LayoutInputEcho(pt, false, 0);
        line += LayoutGeographicLine(pt, AngleNotation::Dms, false);
        line += LayoutCartesianLine(pt);
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(readTransformFormatDmsRecord);

}  // namespace

BENCHMARK_MAIN();

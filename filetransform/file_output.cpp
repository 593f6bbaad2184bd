#include "filetransform/file_output.h"

#include "filetransform/record_layout.h"
#include "values/aligned_line.h"

namespace tessara {
namespace {

std::string_view afterLastPoint(std::string_view path)
{
    const std::size_t point = path.rfind('.');
    return point == std::string_view::npos ? std::string_view() : path.substr(point + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y)
            return false;
    }
    return true;
}

void appendAxis(const AngleTexts& t, const FileHemisphereTexts& hemisphere,
                AngleNotation notation, std::string& out)
{
    switch (notation) {
    case AngleNotation::Dms:
        out.append(",").append(t.degrees).append(",").append(t.minutes).append(",");
        out.append(t.seconds);
        break;
    case AngleNotation::Dm:
        out.append(",").append(t.dmDegrees).append(",").append(t.decimalMinutes);
        break;
    case AngleNotation::Dd:
        out.append(",").append(t.decimalDegrees);
        break;
    case AngleNotation::Dmshp:
        out.append(",").append(t.packedDms);
        break;
    case AngleNotation::Dmhp:
        out.append(",").append(t.packedDm);
        break;
    }
    out.append(hemisphere.commaLetter);
}

}  // namespace

bool isCommaSeparatedName(std::string_view outputPath)
{
    return equalsIgnoringCase(afterLastPoint(outputPath), "csv");
}

void appendFileHeader(const FileHeader& h, std::string& out)
{
    out.append(h.forward ? "-------------------------    ITRF to GDA94 Transformations    "
                           "-------------------------"
                         : "-------------------------    GDA94 to ITRF Transformations    "
                           "-------------------------");
    out.append(kLineEnd).append(kLineEnd);
    out.append("File created:    ").append(h.created).append(kLineEnd).append(kLineEnd);
    out.append("Input File:      ").append(h.inputPath).append(kLineEnd).append(kLineEnd);
    out.append("Output File:\t   ").append(h.outputPath).append(kLineEnd).append(kLineEnd);
    out.append("ITRF Parameters: ").append(h.setName).append(kLineEnd);
    out.append("Epoch:           ");
    out.append(h.epochText ? *h.epochText : std::string_view("from each record"));
    out.append(kLineEnd).append(kLineEnd);
    appendColumnHeads(out);
}

void appendTextRecord(const PointTransformer& pt, const RecordChoice& choice,
                      RecordLineBuffers& buffers, std::string& out)
{
    const bool cartesianInput = choice.inputType == CoordinateType::Cartesian;
    const int layout = choice.angleLayout ? static_cast<int>(*choice.angleLayout) : -1;
    const OutputFileFormat& output = *choice.output;

    RecordTexts texts;
    texts.forward = choice.forward;
    texts.setName = choice.setName;
    texts.epochText = pt.epochText;
    texts.geographicColumn = kFileGeographicColumn;
    texts.identifier = pt.identifier;
    if (output.cartesian)
        texts.cartesianLine.emplace();
    if (output.geographic)
        texts.geographicLine.emplace();

    // The record's lines drawn from the engine's texts.
    struct Drawer final : RecordLineDrawer {
        const PointTransformer& pt;
        bool cartesianInput;
        int layout;
        AngleNotation notation;
        Drawer(const PointTransformer& p, bool c, int l, AngleNotation n)
            : pt(p), cartesianInput(c), layout(l), notation(n)
        {
        }
        void inputEcho(AlignedLine& line) const override
        {
            LayoutInputEcho(pt, cartesianInput, layout, line);
        }
        void cartesianLine(AlignedLine& line) const override { LayoutCartesianLine(pt, line); }
        void geographicLine(AlignedLine& line) const override
        {
            LayoutGeographicLine(pt, notation, true, line);
        }
    };
    const Drawer drawer(pt, cartesianInput, layout, output.notation);
    appendDrawnRecordLine(texts, drawer, buffers, out);
    out.append(kLineEnd);
}

void appendCommaSeparatedRecord(const PointTransformer& pt, const OutputFileFormat& output,
                                std::string& out)
{
    out.append(pt.identifier).append(",").append(pt.epochText);
    if (output.cartesian) {
        out.append(",").append(pt.outputX);
        out.append(",").append(pt.outputY);
        out.append(",").append(pt.outputZ);
    }
    if (output.geographic) {
        appendAxis(pt.outputAngles.latitude, pt.fileLatitude, output.notation, out);
        appendAxis(pt.outputAngles.longitude, pt.fileLongitude, output.notation, out);
        out.append(",").append(pt.outputHeight);
    }
    out.append(kLineEnd);
}

}  // namespace tessara

#include "values/notation.h"

namespace tessara {

std::string_view angleNotationCaption(AngleNotation notation)
{
    switch (notation) {
    case AngleNotation::Dms: return "Degrees, minutes, seconds (d mm ss.ss)";
    case AngleNotation::Dm: return "Degrees, decimal minutes (d mm.mmm)";
    case AngleNotation::Dd: return "Decimal degrees (d.dddd)";
    case AngleNotation::Dmshp: return "Degrees.minutes seconds (d.mmssss)";
    case AngleNotation::Dmhp: return "Degrees.decimal minutes (d.mmmm)";
    }
    return {};
}

std::string_view fileAngleNotationCaption(AngleNotation notation)
{
    switch (notation) {
    case AngleNotation::Dmshp: return "Degrees, minutes, seconds (HP)";
    case AngleNotation::Dmhp: return "Degrees, decimal minutes (HP)";
    default: return angleNotationCaption(notation);
    }
}

}  // namespace tessara

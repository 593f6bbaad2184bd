#pragma once

#include <string_view>

namespace tessara {

// The five angle notations, with the values stored in the settings.
enum class AngleNotation : int {
    Dms = 0,    // d mm ss.ss — three components
    Dm = 1,     // d mm.mmm — two components
    Dd = 2,     // d.dddd — one number
    Dmshp = 3,  // d.mmssss — packed degrees, minutes, seconds
    Dmhp = 4,   // d.mmmm — packed degrees and decimal minutes
};
inline constexpr int kAngleNotationCount = 5;

// The option caption of a notation in the format dialogs.
std::string_view angleNotationCaption(AngleNotation notation);
// The caption in the file dialogs (the packed notations read "(HP)").
std::string_view fileAngleNotationCaption(AngleNotation notation);

// Interactive input, per axis: 0 south / east, 1 north / west, 2 chosen by
// the form's selector (latitude S = 0, N = 1; longitude E = 0, W = 1).
enum class HemisphereChoice : int { SouthOrEast = 0, NorthOrWest = 1, Selector = 2 };

// Interactive output, per axis.
enum class OutputHemisphereStyle : int { Sign = 0, Letters = 1, Australian = 2 };

// Input and output point files.
enum class FileHemisphereStyle : int { Australian = 0, Sign = 1, Letter = 2 };

// How ReadEpoch takes a text: -1 day/month/year, then decimal year.
enum class EpochMode : int { Automatic = -1, DayMonthYear = 0, DecimalYear = 1 };

// The angle layouts of point-file records (and of the input echo).
enum class AngleLayout : int {
    Dms = 0,          // six fields
    Dd = 1,           // two fields
    Dm = 2,           // four fields
    Dmshp = 3,        // two fields
    Dmhp = 4,         // two fields
    DmsOneField = 5,  // one field per axis, split into three components
    DmOneField = 6,   // one field per axis, first two components used
};

}  // namespace tessara

#pragma once

#include "program/settings.h"
#include "values/point_transformer.h"
#include "interactive/form_layout.h"
#include "interactive/form_texts.h"

// Moving a point between the form's fields and its engine: reading a half's
// input, showing a result, and the fixed sample point.
namespace tessara {

// The side of each axis for the interactive sign rule: the fixed choice, or
// the half's selector when the choice is left to it.
int latitudeSide(const DirectionSettings& group);
int longitudeSide(const DirectionSettings& group);

// Reads X, Y, Z of a half into the engine (input-is-cartesian set).
bool readCartesianInput(PointTransformer& pt, const HalfTexts& half);

// Reads the latitude and longitude of a half with the reader of the
// notation, applies the sides, then reads the height. The texts the engine
// kept from earlier readings are dropped first, so that its echo of the
// input holds only what this reading took.
bool readGeographicInput(PointTransformer& pt, const HalfTexts& half, AngleNotation notation,
                         const DirectionSettings& group);

// Reads the half's input of the type its group sets.
bool readHalfInput(PointTransformer& pt, const HalfTexts& half, const DirectionSettings& group);

// Writes angle texts into the fields of a notation; the other layouts'
// fields keep their texts.
void writeAngleFields(AngleFields& fields, const AngleTexts& texts, AngleNotation notation);

// Fills an output half from the engine's formatted output: identifier, X,
// Y, Z, height and the angle fields of the notation. In sign style a
// negative angle gets "-" in front of its degrees and single fields; the
// other styles set the side labels from the signs instead.
void displayOutput(const PointTransformer& pt, const HalfTexts& inputTexts, HalfTexts& output,
                   AngleNotation notation, const DirectionSettings& group, OutputSides& sides);

// The fixed sample point, written into a half in the fields its type and
// notation use, and the epoch in the epoch notation. The identifier is not
// touched.
void fillSamplePoint(HalfTexts& half, std::string& epoch, Half which, InputType type,
                     AngleNotation notation, EpochMode epochMode);

// Empties every field of a half, and the epoch for the ITRF half.
void clearHalf(FormTexts& texts, Half half);

}  // namespace tessara

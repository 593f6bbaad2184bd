#pragma once

#include <string>

namespace tessara {

// The two halves of the main form: ITRF on the left, GDA94 on the right.
enum class Half : int { Itrf = 0, Gda = 1 };

inline Half otherHalf(Half half) { return half == Half::Itrf ? Half::Gda : Half::Itrf; }

enum class Axis { Latitude, Longitude };

// The fields of one angle in every layout of the form: three fields for
// degrees, minutes and seconds; two for degrees and decimal minutes; and one
// field that decimal degrees and both packed notations share.
struct AngleFields {
    std::string degrees;
    std::string minutes;
    std::string seconds;
    std::string dmDegrees;
    std::string dmMinutes;
    std::string single;
};

// The texts of one half, as the user typed them or the form wrote them.
struct HalfTexts {
    std::string identifier;
    std::string x, y, z;
    AngleFields latitude;
    AngleFields longitude;
    std::string height;
};

// Every text field of the form. Numbers use "." and "-": the user
// interface converts the locale's symbols at its edge.
struct FormTexts {
    std::string epoch;  // the ITRF half's epoch
    HalfTexts itrf;
    HalfTexts gda;

    HalfTexts& half(Half h) { return h == Half::Itrf ? itrf : gda; }
    const HalfTexts& half(Half h) const { return h == Half::Itrf ? itrf : gda; }
};

}  // namespace tessara

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tessara {

// Every double of a record starts at this value; a field holding exactly it
// is not set (shown as "MISSING") and makes the record invalid.
inline constexpr double kUnsetValue = 1000000.0;
// The stored checksum of a record that was never written or read.
inline constexpr std::uint32_t kUnsetChecksum = 1000000u;

// Seven values in the fixed order dx, dy, dz (m), rx, ry, rz (arc-seconds),
// sc (parts per million) — or their rates per year in the same order.
using SevenValues = std::array<double, 7>;

inline constexpr SevenValues kUnsetSeven{kUnsetValue, kUnsetValue, kUnsetValue, kUnsetValue,
                                         kUnsetValue, kUnsetValue, kUnsetValue};

// One named ITRF to GDA94 parameter set: base values at a base epoch and
// their rates of change per year (the 14-parameter similarity transformation).
struct ParameterSet {
    std::string name;
    double epoch = kUnsetValue;  // base epoch, decimal year
    SevenValues base = kUnsetSeven;
    SevenValues rate = kUnsetSeven;
    std::uint32_t checksum = kUnsetChecksum;
    bool valid = false;
    bool builtIn = false;    // transformation program: defined in the program itself
    bool displayed = true;   // transformation program: offered in the form's list

    // The fifteen doubles in sequence order: epoch, base[0..6], rate[0..6].
    static constexpr int kValueCount = 15;
    double value(int position) const;
    void setValue(int position, double v);

    // The transformation program's record from values: checksum computed and
    // stored, then validated (valid whenever the name is set and no value is
    // unset). The caller sets builtIn.
    static ParameterSet fromValues(std::string name, double epoch, const SevenValues& base,
                                   const SevenValues& rate);
    // The parameter editor's record from values: validated without the
    // checksum test; the checksum is computed only when a file is written.
    static ParameterSet editorFromValues(std::string name, double epoch, const SevenValues& base,
                                         const SevenValues& rate);
};

// A reference ellipsoid. The decimals fields keep how many decimals each
// value was entered with (-1: nothing entered); the checksum ignores them.
struct Ellipsoid {
    std::string name;
    double semiMajorAxis = kUnsetValue;  // a, metres
    std::int32_t semiMajorDecimals = -1;
    double inverseFlattening = kUnsetValue;  // 1/f
    std::int32_t flatteningDecimals = -1;
    bool builtIn = false;
    bool valid = false;
    std::uint32_t checksum = kUnsetChecksum;

    // Validated on construction; neither checksum nor builtIn is set.
    static Ellipsoid fromValues(std::string name, double a, std::int32_t aDecimals,
                                double inverseFlattening, std::int32_t flatteningDecimals);
};

inline bool isUnset(double v) { return v == kUnsetValue; }

// CRC-32 over the name bytes, then the doubles as little-endian bytes
// (a set: epoch, base, rate; an ellipsoid: a, then 1/f).
std::uint32_t computeChecksum(const ParameterSet& set);
std::uint32_t computeChecksum(const Ellipsoid& ellipsoid);

// True when the name is set and none of the values is the unset value.
bool hasAllValues(const ParameterSet& set);

// The editor's rule: sets valid from the name and values alone.
void validateEditor(ParameterSet& set);
// Both programs: valid unless the name is empty or a or 1/f is unset.
void validate(Ellipsoid& ellipsoid);

// "Error - Parameters for <name> are incorrect - checksum does not match"
std::string checksumMismatchMessage(const std::string& setName);

}  // namespace tessara

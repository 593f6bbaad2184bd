#pragma once

#include <QString>

#include <string>
#include <string_view>

// The number fields show and take numbers in the user locale's decimal
// symbol and negative sign; the core reads and writes "." and "-". These
// convert at the edge, with the same symbols the numeric fields use.
namespace tessara {

std::string fromDisplayNumber(const QString& text);
QString toDisplayNumber(std::string_view text);

}  // namespace tessara

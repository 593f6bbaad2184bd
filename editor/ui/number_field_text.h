#pragma once

#include <QString>

#include <string>

// The numeric fields show numbers in the user locale's decimal symbol and
// negative sign (the symbols the numeric edit lets a user type); the core
// reads and writes "." and "-". These convert at the edge between the two.
namespace tessara::editor {

std::string coreNumberText(const QString& fieldText);
QString fieldNumberText(const std::string& coreText);

}  // namespace tessara::editor

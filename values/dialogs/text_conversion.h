#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tessara {

// Texts cross between the core and the widgets as the local 8-bit encoding.
inline QString toQString(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

}  // namespace tessara

#pragma once

#include <QString>
#include <QStringDecoder>

#include <string>
#include <string_view>

namespace tessara {

// Texts cross between the core and the widgets here. The core's texts are
// bytes: set and ellipsoid names, and the messages that quote them, may come
// from files written under an 8-bit code page. Bytes that are valid UTF-8
// show as UTF-8; any other text shows each byte as its Latin-1 character, so
// no byte is lost to a replacement character. (A leading byte order mark is
// kept as a character, so it survives the way back.)
inline QString toQString(std::string_view text)
{
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString shown = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : shown;
}

// What the user typed or chose, as the core's bytes (UTF-8).
inline std::string toStdString(const QString& text)
{
    return text.toUtf8().toStdString();
}

// A name field's text as the bytes to store: the bytes the field was filled
// from while it still shows them unchanged, so a name written in another
// encoding goes back byte for byte; else what the user typed.
inline std::string nameBytes(const QString& shown, const std::string& filledFrom)
{
    return shown == toQString(filledFrom) ? filledFrom : toStdString(shown);
}

}  // namespace tessara

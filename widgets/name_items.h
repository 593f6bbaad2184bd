#pragma once

#include <QString>
#include <Qt>

#include <string>
#include <string_view>

QT_BEGIN_NAMESPACE
class QComboBox;
class QFontMetrics;
class QLabel;
class QListWidget;
QT_END_NAMESPACE

// Set and ellipsoid names in lists, menus and titles. A long name is shown
// cut in the middle, with the whole name in the tooltip, so that no list or
// window grows with it. Each item keeps the name's stored bytes as its data:
// records are looked up by those, never by the text shown.
namespace tessara {

// The item data role that holds a name's bytes (a QByteArray).
inline constexpr int kNameBytesRole = Qt::UserRole + 1;
// A name is shown at most about this many average characters wide.
inline constexpr int kShownNameChars = 40;

// The text of a name as a list shows it: decoded, and cut in the middle
// when it is wider than kShownNameChars average characters of the font.
QString shownName(std::string_view name, const QFontMetrics& metrics);
QString elidedText(const QString& text, const QFontMetrics& metrics);

// Adds a name to a list; the whole name is the item's tooltip when it is cut.
void addNameItem(QComboBox& list, std::string_view name);
void addNameItem(QListWidget& list, std::string_view name);
// The stored bytes of an entry; empty for an index without one.
std::string nameAt(const QComboBox& list, int index);
// The entry whose stored bytes are exactly `name`; -1 when none is.
int findName(const QComboBox& list, std::string_view name);
// The list's tooltip follows its current entry's whole name.
void showCurrentNameTip(QComboBox& list);

// A label that shows a text on one line, cut in the middle when it is
// wider than the name width; the whole text is its tooltip when cut.
void setElidedText(QLabel& label, const QString& text);

}  // namespace tessara

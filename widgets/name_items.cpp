#include "widgets/name_items.h"

#include "widgets/text_conversion.h"

#include <QByteArray>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>

namespace tessara {
namespace {

QByteArray bytesOf(std::string_view name)
{
    return {name.data(), static_cast<qsizetype>(name.size())};
}

// The whole text as a tooltip, only where the shown text is cut.
QString tipFor(const QString& whole, const QString& shown)
{
    return shown == whole ? QString() : whole;
}

}  // namespace

QString elidedText(const QString& text, const QFontMetrics& metrics)
{
    return metrics.elidedText(text, Qt::ElideMiddle, metrics.averageCharWidth() * kShownNameChars);
}

QString shownName(std::string_view name, const QFontMetrics& metrics)
{
    return elidedText(toQString(name), metrics);
}

void addNameItem(QComboBox& list, std::string_view name)
{
    const QString whole = toQString(name);
    const QString shown = elidedText(whole, list.fontMetrics());
    const int index = list.count();
    list.addItem(shown);
    list.setItemData(index, bytesOf(name), kNameBytesRole);
    list.setItemData(index, tipFor(whole, shown), Qt::ToolTipRole);
}

void addNameItem(QListWidget& list, std::string_view name)
{
    const QString whole = toQString(name);
    auto* item = new QListWidgetItem(elidedText(whole, list.fontMetrics()));
    item->setData(kNameBytesRole, bytesOf(name));
    item->setToolTip(tipFor(whole, item->text()));
    list.addItem(item);
}

std::string nameAt(const QComboBox& list, int index)
{
    return list.itemData(index, kNameBytesRole).toByteArray().toStdString();
}

int findName(const QComboBox& list, std::string_view name)
{
    return list.findData(bytesOf(name), kNameBytesRole, Qt::MatchExactly);
}

void showCurrentNameTip(QComboBox& list)
{
    QObject::connect(&list, &QComboBox::currentIndexChanged, &list, [&list](int index) {
        list.setToolTip(index < 0 ? QString() : list.itemData(index, Qt::ToolTipRole).toString());
    });
}

void setElidedText(QLabel& label, const QString& text)
{
    const QString shown = elidedText(text, label.fontMetrics());
    label.setText(shown);
    label.setToolTip(tipFor(text, shown));
}

}  // namespace tessara

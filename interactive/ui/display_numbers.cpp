#include "interactive/ui/display_numbers.h"

#include "values/numeric_filter.h"
#include "widgets/text_conversion.h"

#include <QLocale>

namespace tessara {
namespace {

struct DisplaySymbols {
    QString decimal;
    QString negative;
};

DisplaySymbols displaySymbols()
{
    const QLocale locale;
    const NumericSymbols symbols = symbolsFromLocale(locale.decimalPoint().toStdU32String(),
                                                     locale.negativeSign().toStdU32String());
    const char32_t decimal[] = {symbols.decimal};
    const char32_t negative[] = {symbols.negative};
    return {QString::fromUcs4(decimal, 1), QString::fromUcs4(negative, 1)};
}

}  // namespace

std::string fromDisplayNumber(const QString& text)
{
    const DisplaySymbols symbols = displaySymbols();
    QString core = text;
    core.replace(symbols.decimal, QStringLiteral("."));
    core.replace(symbols.negative, QStringLiteral("-"));
    return toStdString(core);
}

QString toDisplayNumber(std::string_view text)
{
    const DisplaySymbols symbols = displaySymbols();
    QString shown = toQString(text);
    shown.replace(QStringLiteral("."), symbols.decimal);
    shown.replace(QStringLiteral("-"), symbols.negative);
    return shown;
}

}  // namespace tessara

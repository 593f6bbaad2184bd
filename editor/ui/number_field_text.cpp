#include "editor/ui/number_field_text.h"

#include "values/numeric_filter.h"

#include <QLocale>

namespace tessara::editor {
namespace {

// The same symbols the numeric edit reads from the locale.
NumericSymbols fieldSymbols()
{
    const QLocale locale;
    return symbolsFromLocale(locale.decimalPoint().toStdU32String(),
                             locale.negativeSign().toStdU32String());
}

QString symbolText(char32_t symbol) { return QString::fromUcs4(&symbol, 1); }

std::string coreText(const QString& text) { return text.toLocal8Bit().toStdString(); }

QString shownText(const std::string& text) { return QString::fromLocal8Bit(text); }

}  // namespace

std::string coreNumberText(const QString& fieldText)
{
    const NumericSymbols symbols = fieldSymbols();
    QString text = fieldText;
    text.replace(symbolText(symbols.decimal), QStringLiteral("."));
    text.replace(symbolText(symbols.negative), QStringLiteral("-"));
    return coreText(text);
}

QString fieldNumberText(const std::string& coreText)
{
    const NumericSymbols symbols = fieldSymbols();
    QString text = shownText(coreText);
    text.replace(QLatin1Char('.'), symbolText(symbols.decimal));
    text.replace(QLatin1Char('-'), symbolText(symbols.negative));
    return text;
}

}  // namespace tessara::editor

#include "values/numeric_filter.h"

#include <algorithm>
#include <utility>

namespace tessara {
namespace {

constexpr auto npos = std::u32string::npos;

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// Marks that only steer the direction of right-to-left text; locales put them
// in front of their negative sign.
bool isDirectionMark(char32_t c)
{
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E)
           || (c >= 0x2066 && c <= 0x2069);
}

// Visible characters: not the C0 and C1 control ranges, not DEL.
bool isVisible(char32_t c)
{
    return c > 0x20 && !(c >= 0x7F && c < 0xA0);
}

char32_t firstSymbol(std::u32string_view setting, char32_t fallback)
{
    const auto it = std::find_if_not(setting.begin(), setting.end(), isDirectionMark);
    return it == setting.end() ? fallback : *it;
}

bool hasSelection(const NumericField& field)
{
    return field.selectionStart != field.selectionEnd;
}

bool beginsWith(const std::u32string& text, char32_t c)
{
    return !text.empty() && text.front() == c;
}

// A digit of the main row, or the decimal key, with Ctrl or Shift held is
// refused. Shift is harmless when the key still types its own digit or the
// decimal symbol (layouts that need Shift for them); the keypad's decimal key
// types the locale's symbol whatever it produced.
bool refusedForModifiers(const NumericKey& key, const NumericRules& rules)
{
    if (key.kind == KeyKind::Digit && key.keypad)
        return false;
    const bool typesItself = key.kind == KeyKind::Digit
                                 ? isDigit(key.typed)
                                 : key.keypad || key.typed == rules.symbols.decimal;
    return key.ctrl || (key.shift && !typesItself);
}

KeyVerdict filterDigitOrDecimal(const NumericField& field, const NumericKey& key,
                                const NumericRules& rules)
{
    if (refusedForModifiers(key, rules))
        return KeyVerdict::RefuseWithBeep;
    const std::u32string& text = field.text;
    if (text.empty())
        return KeyVerdict::Pass;
    const std::size_t d = text.find(rules.symbols.decimal);
    const std::size_t caret = field.selectionStart;
    const bool selected = hasSelection(field);
    if (key.kind == KeyKind::Digit) {
        // No further digit behind the decimal symbol once the field's decimal places are full.
        if (d != npos && !selected && caret > d && text.size() - d - 1 >= rules.decimalPlaces)
            return KeyVerdict::RefuseWithBeep;
    } else if (rules.decimalPlaces == 0 || (d != npos && !selected && d != caret)) {
        return KeyVerdict::RefuseWithBeep;
    }
    // Nothing may be typed in front of the negative sign.
    if (beginsWith(text, rules.symbols.negative) && !selected && caret == 0)
        return KeyVerdict::RefuseWithBeep;
    return KeyVerdict::Pass;
}

KeyVerdict filterSubtract(const NumericField& field, const NumericRules& rules)
{
    if (!rules.allowNegative)
        return KeyVerdict::RefuseWithBeep;
    if (field.text.empty())
        return KeyVerdict::Pass;
    // The sign only ever stands at the very start, and only once.
    if (field.selectionStart != 0)
        return KeyVerdict::RefuseWithBeep;
    if (beginsWith(field.text, rules.symbols.negative) && !hasSelection(field))
        return KeyVerdict::RefuseWithBeep;
    return KeyVerdict::Pass;
}

// The field after typing one character over its selection.
NumericField typeInto(const NumericField& field, char32_t c)
{
    NumericField after;
    after.text = field.text.substr(0, field.selectionStart) + c
                 + field.text.substr(field.selectionEnd);
    after.selectionStart = after.selectionEnd = field.selectionStart + 1;
    return after;
}

// Positions beyond the text, or a reversed selection, from a careless caller
// would make the substring operations throw.
NumericField ordered(NumericField field)
{
    const std::size_t size = field.text.size();
    const std::size_t a = std::min(field.selectionStart, size);
    const std::size_t b = std::min(field.selectionEnd, size);
    field.selectionStart = std::min(a, b);
    field.selectionEnd = std::max(a, b);
    return field;
}

}  // namespace

NumericSymbols symbolsFromLocale(std::u32string_view decimalSetting,
                                 std::u32string_view negativeSetting)
{
    NumericSymbols symbols;
    symbols.decimal = firstSymbol(decimalSetting, U'.');
    symbols.negative = firstSymbol(negativeSetting, U'-');
    // U+2212 MINUS SIGN is on no keyboard and no reader takes it.
    if (symbols.negative == 0x2212)
        symbols.negative = U'-';
    return symbols;
}

KeyKind classifyKey(char32_t label, bool keypad, const NumericRules& rules)
{
    if (isDigit(label))
        return KeyKind::Digit;
    if (keypad && (label == U'.' || label == U','))
        return KeyKind::DecimalKey;
    if (keypad && label == U'-')
        return KeyKind::SubtractKey;
    if (label == rules.symbols.decimal)
        return KeyKind::DecimalKey;
    if (label == rules.symbols.negative)
        return KeyKind::SubtractKey;
    if (label == U' ')
        return KeyKind::Space;
    // Letters, punctuation, and the keypad's multiply, add and divide keys.
    if (isVisible(label))
        return KeyKind::LetterOrPunctuation;
    return KeyKind::Other;
}

KeyVerdict filterKey(const NumericField& field, const NumericKey& key, const NumericRules& rules)
{
    switch (key.kind) {
    case KeyKind::Digit:
    case KeyKind::DecimalKey:
        return filterDigitOrDecimal(ordered(field), key, rules);
    case KeyKind::SubtractKey:
        return filterSubtract(ordered(field), rules);
    case KeyKind::LetterOrPunctuation:
        return KeyVerdict::SwallowSilently;
    case KeyKind::Space:
        return KeyVerdict::RefuseWithBeep;
    case KeyKind::Other:
        break;
    }
    return KeyVerdict::Pass;
}

KeyVerdict filterComposedText(NumericField field, std::u32string_view text,
                              const NumericRules& rules)
{
    field = ordered(std::move(field));
    for (const char32_t c : text) {
        NumericKey key;
        key.kind = classifyKey(c, false, rules);
        key.typed = c;
        // A composed control character would be inserted as text, not acted on like its key.
        if (key.kind == KeyKind::Other)
            return KeyVerdict::SwallowSilently;
        const KeyVerdict verdict = filterKey(field, key, rules);
        if (verdict != KeyVerdict::Pass)
            return verdict;
        field = typeInto(field, c);
    }
    return KeyVerdict::Pass;
}

std::u32string numberToPaste(std::u32string_view clipboard, const NumericRules& rules)
{
    std::size_t i = 0;
    while (i < clipboard.size() && (clipboard[i] == U' ' || clipboard[i] == U'\t'))
        ++i;
    std::u32string number;
    if (i < clipboard.size() && clipboard[i] == rules.symbols.negative) {
        // A negative number where none is allowed pastes nothing at all.
        if (!rules.allowNegative)
            return {};
        number += clipboard[i++];
    }
    bool haveDecimal = false;
    for (; i < clipboard.size(); ++i) {
        const char32_t c = clipboard[i];
        if (isDigit(c)) {
            number += c;
        } else if (c == rules.symbols.decimal && !haveDecimal && rules.decimalPlaces > 0) {
            number += c;
            haveDecimal = true;
        } else {
            break;
        }
    }
    return number;
}

std::optional<PasteResult> pasteInto(const NumericField& original, std::u32string_view clipboard,
                                     const NumericRules& rules)
{
    const NumericField field = ordered(original);
    const char32_t point = rules.symbols.decimal;
    const char32_t sign = rules.symbols.negative;
    std::u32string paste = numberToPaste(clipboard, rules);
    if (paste.empty())
        return std::nullopt;
    // A sign can only go to the start of the field, and never in front of one already there.
    if (paste.front() == sign && field.selectionStart != 0)
        return std::nullopt;
    if (beginsWith(field.text, sign) && !hasSelection(field))
        return std::nullopt;

    // The field's own decimal symbol stays: the pasted number loses its fraction.
    const std::size_t d = field.text.find(point);
    const std::size_t pastedPoint = paste.find(point);
    const bool fieldPointKept = d != npos && (d < field.selectionStart || d >= field.selectionEnd);
    if (rules.decimalPlaces >= 1 && fieldPointKept && pastedPoint != npos)
        paste.resize(pastedPoint);

    PasteResult result;
    result.text = field.text.substr(0, field.selectionStart) + paste
                  + field.text.substr(field.selectionEnd);
    const std::size_t newPoint = result.text.find(point);
    if (newPoint != npos && result.text.size() - newPoint - 1 > rules.decimalPlaces)
        result.text.resize(newPoint + 1 + rules.decimalPlaces);
    result.caret = std::min(field.selectionStart + paste.size(), result.text.size());
    return result;
}

}  // namespace tessara

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What a numeric input field lets through as the user types or pastes: only
// what can be part of a number of the field's kind, written with the user
// locale's decimal symbol and negative sign. The field's value is parsed again
// by its reader later; this filter only keeps obvious non-numbers out.
// Texts are Unicode code points; positions count code points.
namespace tessara {

// The two characters besides digits that a number may hold.
struct NumericSymbols {
    char32_t decimal = U'.';
    char32_t negative = U'-';
};

// The kind of number a field takes.
struct NumericRules {
    bool allowNegative = false;
    // Digits allowed after the decimal symbol; 0 means whole numbers only.
    std::size_t decimalPlaces = 0;
    NumericSymbols symbols;
};

// The field as a key press or paste finds it. The selection is
// [selectionStart, selectionEnd); with nothing selected both are the caret.
struct NumericField {
    std::u32string text;
    std::size_t selectionStart = 0;
    std::size_t selectionEnd = 0;
};

enum class KeyKind {
    Digit,                // 0 to 9, main row or keypad
    DecimalKey,           // the key of the decimal symbol, or the keypad's decimal key
    SubtractKey,          // the key of the negative sign, or the keypad's minus
    LetterOrPunctuation,  // any other key that types a visible character
    Space,                // the space bar
    Other,                // keys that type nothing: Backspace, Delete, arrows, Home, Tab ...
};

struct NumericKey {
    KeyKind kind = KeyKind::Other;
    char32_t typed = 0;  // the character the press types, 0 for none
    bool keypad = false;
    bool ctrl = false;
    bool shift = false;
};

enum class KeyVerdict {
    Pass,             // the field handles the key as usual
    RefuseWithBeep,   // the key is dropped and the user hears why
    SwallowSilently,  // the key is dropped without a sound
};

// The field's new text after a paste, and where the caret goes: directly
// after the pasted characters.
struct PasteResult {
    std::u32string text;
    std::size_t caret = 0;
};

// The locale's symbols from its decimal-separator and negative-sign settings:
// the first character of each that is not an invisible direction mark, "."
// and "-" where a setting has none. The typographic minus sign some locales
// give is taken as the "-" that keyboards carry and the readers accept.
NumericSymbols symbolsFromLocale(std::u32string_view decimalSetting,
                                 std::u32string_view negativeSetting);

// The kind of a key from the character it is labelled with (upper case for
// letters; 0 for keys with no character). The keypad's "." or "," key is the
// decimal key and its "-" the subtract key whatever the locale's symbols.
KeyKind classifyKey(char32_t label, bool keypad, const NumericRules& rules);

// Whether a key press reaches the field. Clipboard and editing shortcuts
// (copy, cut, paste, select all, undo, redo) are the caller's to handle.
KeyVerdict filterKey(const NumericField& field, const NumericKey& key, const NumericRules& rules);

// Text committed by an input method, taken as if its characters were typed
// one by one: Pass only when every one of them would pass.
KeyVerdict filterComposedText(NumericField field, std::u32string_view text,
                              const NumericRules& rules);

// The number at the front of a clipboard text, as far as the field may take
// it: leading blanks and tabs skipped, an optional negative sign, digits and
// at most one decimal symbol. Empty when a negative number is not allowed.
std::u32string numberToPaste(std::u32string_view clipboard, const NumericRules& rules);

// The field after pasting the clipboard text over its selection, or nothing
// when the paste is refused (the caller beeps).
std::optional<PasteResult> pasteInto(const NumericField& original, std::u32string_view clipboard,
                                     const NumericRules& rules);

}  // namespace tessara

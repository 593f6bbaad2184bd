#include "values/numeric_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace tessara {
namespace {

// Fields are written with the caret as "|" or the selection in "[...]":
// "1.2[34]" selects "34", "-|3" has the caret after the sign.
NumericField field(const char* marked)
{
    NumericField f;
    for (const char* p = marked; *p != '\0'; ++p) {
        if (*p == '|' || *p == '[')
            f.selectionStart = f.text.size();
        if (*p == '|' || *p == ']')
            f.selectionEnd = f.text.size();
        if (*p != '|' && *p != '[' && *p != ']')
            f.text += static_cast<char32_t>(*p);
    }
    return f;
}

std::string marked(const PasteResult& r)
{
    std::string out;
    for (std::size_t i = 0; i <= r.text.size(); ++i) {
        if (i == r.caret)
            out += '|';
        if (i < r.text.size())
            out += r.text[i] < 0x80 ? static_cast<char>(r.text[i]) : '?';
    }
    return out;
}

NumericRules rules(bool allowNegative, std::size_t places, char32_t point = U'.')
{
    return NumericRules{allowNegative, places, NumericSymbols{point, U'-'}};
}

constexpr auto Pass = KeyVerdict::Pass;
constexpr auto Beep = KeyVerdict::RefuseWithBeep;
constexpr auto Silent = KeyVerdict::SwallowSilently;

NumericKey key(KeyKind kind, char32_t typed, bool keypad = false, bool ctrl = false,
               bool shift = false)
{
    return NumericKey{kind, typed, keypad, ctrl, shift};
}

TEST(NumericKeyFilter, RulesOnCharactersAndPositions)
{
    const auto digit = key(KeyKind::Digit, U'5');
    const auto point = key(KeyKind::DecimalKey, U'.');
    const auto minus = key(KeyKind::SubtractKey, U'-');
    struct Case { const char* name; const char* field; NumericKey key; NumericRules rules; KeyVerdict expected; };
    const Case cases[] = {
        {"digit fills the last decimal place", "1.23|", digit, rules(true, 3), Pass},
        {"digit beyond the decimal places", "1.234|", digit, rules(true, 3), Beep},
        {"digit at the decimal symbol of a full field", "1|.234", digit, rules(true, 3), Pass},
        {"digit over a selected decimal of a full field", "1.23[4]", digit, rules(true, 3), Pass},
        {"digit in front of the sign", "|-3", digit, rules(true, 3), Beep},
        {"digit over the selected sign", "[-]3", digit, rules(true, 3), Pass},
        {"ctrl+digit", "|", key(KeyKind::Digit, U'5', false, true), rules(true, 3), Beep},
        {"shift+digit typing another character", "|", key(KeyKind::Digit, U'%', false, false, true), rules(true, 3), Beep},
        {"shift+digit typing its digit", "|", key(KeyKind::Digit, U'5', false, false, true), rules(true, 3), Pass},
        {"ctrl+keypad digit", "|", key(KeyKind::Digit, U'5', true, true), rules(true, 3), Pass},
        {"decimal key in a whole-number field", "12|", point, rules(true, 0), Beep},
        {"decimal key into an empty whole-number field", "|", point, rules(true, 0), Pass},
        {"second decimal symbol", "1.5|", point, rules(true, 3), Beep},
        {"decimal key at the field's own symbol", "1|.5", point, rules(true, 3), Pass},
        {"shift+keypad decimal key", "1|", key(KeyKind::DecimalKey, U'.', true, false, true), rules(true, 3, U','), Pass},
        {"subtract where negatives are not allowed", "|5", minus, rules(false, 3), Beep},
        {"subtract at the start", "|5", minus, rules(true, 3), Pass},
        {"subtract behind the start", "5|", minus, rules(true, 3), Beep},
        {"second sign", "|-5", minus, rules(true, 3), Beep},
        {"subtract over the selected sign", "[-]5", minus, rules(true, 3), Pass},
        {"letter", "1|", key(KeyKind::LetterOrPunctuation, U'a'), rules(true, 3), Silent},
        {"space", "1|", key(KeyKind::Space, U' '), rules(true, 3), Beep},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(filterKey(field(c.field), c.key, c.rules), c.expected);
    }
}

TEST(NumericKeyFilter, KeysByLabel)
{
    const auto kind = [](char32_t label, bool keypad, char32_t point) {
        return classifyKey(label, keypad, rules(true, 2, point));
    };
    EXPECT_EQ(kind(U'7', false, U'.'), KeyKind::Digit);
    // In a decimal-comma locale the period is punctuation, unless on the keypad.
    EXPECT_EQ(kind(U'.', false, U','), KeyKind::LetterOrPunctuation);
    EXPECT_EQ(kind(U',', false, U','), KeyKind::DecimalKey);
    EXPECT_EQ(kind(U'.', true, U','), KeyKind::DecimalKey);
    EXPECT_EQ(kind(U'-', false, U'.'), KeyKind::SubtractKey);
    EXPECT_EQ(kind(U' ', false, U'.'), KeyKind::Space);
    // A key with no character, and the delete character.
    EXPECT_EQ(kind(0, false, U'.'), KeyKind::Other);
    EXPECT_EQ(kind(0x7F, false, U'.'), KeyKind::Other);
}

// Marks that steer right-to-left text are skipped, the typographic minus is
// taken as the keyboard's, and a setting of marks only falls back.
TEST(NumericKeyFilter, LocaleSymbols)
{
    const auto symbols = [](std::u32string_view decimal, std::u32string_view negative) {
        const NumericSymbols s = symbolsFromLocale(decimal, negative);
        return std::u32string{s.decimal, s.negative};
    };
    EXPECT_TRUE(symbols(U".", U"\u200E-") == U".-");
    EXPECT_TRUE(symbols(U"\u066B", U"\u061C-") == U"\u066B-");
    EXPECT_TRUE(symbols(U",", U"\u2212") == U",-");
    EXPECT_TRUE(symbols(U"\u200F", U"\u200E") == U".-");
}

// Each character is typed into the field as it stands after the one before;
// a control character is swallowed, not acted on like its key.
TEST(NumericKeyFilter, ComposedTextIsTypedCharacterByCharacter)
{
    EXPECT_EQ(filterComposedText(field("|"), U"-1.5", rules(true, 2)), Pass);
    EXPECT_EQ(filterComposedText(field("1.|"), U"234", rules(false, 2)), Beep);
    EXPECT_EQ(filterComposedText(field("|"), U"\t", rules(false, 2)), Silent);
}

TEST(NumericPaste, FilteredTextAndCaret)
{
    // The expected field is "refused" where the paste is refused with a beep.
    struct Case { const char* name; const char* field; std::u32string_view clipboard; NumericRules rules;
                  const char* expected; };
    const Case cases[] = {
        {"blanks skipped, letters end the number", "|", U"  42abc", rules(false, 3), "42|"},
        {"tab and sign", "|", U"\t-7.25", rules(true, 3), "-7.25|"},
        {"whole-number field drops the fraction", "|", U"1.5", rules(false, 0), "1|"},
        {"sign where negatives are not allowed", "|", U"-5", rules(false, 3), "refused"},
        {"second decimal symbol ends the number", "|", U"1.2.3", rules(false, 3), "1.2|"},
        {"field keeps its symbol, paste loses its fraction", "|1.5", U"2.7", rules(false, 1), "2|1.5"},
        {"over the field's selected symbol", "1[.]5", U"2.7", rules(false, 3), "12.7|5"},
        {"fraction cut to the decimal places", "1.5|", U"678", rules(false, 2), "1.56|"},
        {"sign behind the start", "5|", U"-1", rules(true, 3), "refused"},
        {"sign at the start", "|5", U"-1", rules(true, 3), "-1|5"},
        {"field holding a sign, nothing selected", "-3|", U"4", rules(true, 3), "refused"},
        {"field holding a sign, digit selected", "-[3]", U"4", rules(true, 3), "-4|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = pasteInto(field(c.field), c.clipboard, c.rules);
        EXPECT_EQ(result ? marked(*result) : "refused", c.expected);
    }
}

}  // namespace
}  // namespace tessara

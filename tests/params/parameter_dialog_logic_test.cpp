#include "params/display_list_edit.h"
#include "params/file_writing.h"
#include "params/name_list.h"
#include "params/parameter_import.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"
#include "params/parameter_view.h"
#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string_view>

namespace tessara {
namespace {

using test::RecordingNotifier;
using test::TempFolder;
using ::testing::ElementsAre;

ParameterSet setNamed(const std::string& name, bool displayed = true)
{
    ParameterSet set = ParameterSet::fromValues(
        name, 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
        {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
    set.displayed = displayed;
    return set;
}

TEST(ParameterView, ShowsFourOrSixDecimalsAndMissingForUnsetValues)
{
    ParameterSet set = setNamed("ITRF2000");
    set.rate[2] = kUnsetValue;
    set.base[6] = kUnsetValue;
    const ParameterTexts texts = parameterTexts(set);
    EXPECT_EQ(texts.heading, "ITRF2000 - base year 2000.00");
    EXPECT_THAT(texts.base, ElementsAre("-0.0761", "-0.0101", "0.0444", "0.008765", "0.009361", "0.009325", "MISSING"));
    EXPECT_THAT(texts.rate, ElementsAre("0.0110", "-0.0045", "MISSING", "0.001034", "0.000671", "0.001039", "-0.000538"));
}

ParameterStore storeOf(std::initializer_list<std::pair<const char*, bool>> sets)
{
    ParameterStore store;
    for (const auto& [name, displayed] : sets)
        store.store(setNamed(name, displayed));
    return store;
}

// Steps, one letter each: select Available 0 (a) or Displayed 1 (d), add (+),
// add all (*), remove (-), remove all (/).
void run(DisplayListEdit& edit, std::string_view steps)
{
    for (const char step : steps) {
        switch (step) {
        case 'a': edit.selectAvailable(0); break;
        case 'd': edit.selectDisplayed(1); break;
        case '+': edit.add(); break;
        case '*': edit.addAll(); break;
        case '-': edit.remove(); break;
        case '/': edit.removeAll(); break;
        }
    }
}

TEST(DisplayListEdit, ButtonsFollowTheListsAfterEveryStep)
{
    using Names = std::vector<std::string>;
    const Names all{"ITRF2000", "ITRF96", "ITRF97"};
    struct Case { const char* steps; Names available, displayed; DisplayListButtons buttons; };  // add, addAll, remove, removeAll, save, note
    const Case cases[] = {
        {"", {"ITRF96"}, {"ITRF2000", "ITRF97"}, {false, true, false, true, true, false}},
        {"da", {"ITRF96"}, {"ITRF2000", "ITRF97"}, {true, true, false, true, true, false}},  // one selection at a time
        {"a+", {}, all, {false, false, false, true, true, false}},  // nothing selected after a move
        {"/", all, {}, {false, true, false, false, false, true}},  // no Save, the note shows
        {"/*", {}, all, {false, false, false, true, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steps);
        const ParameterStore store = storeOf({{"ITRF97", true}, {"ITRF96", false}, {"ITRF2000", true}});
        DisplayListEdit edit(store);
        run(edit, c.steps);
        EXPECT_EQ(edit.available().names(), c.available);
        EXPECT_EQ(edit.displayed().names(), c.displayed);
        EXPECT_EQ(edit.buttons(), c.buttons);
    }
}

TEST(DisplayListEdit, ApplySetsTheFlagsOfBothListsAndNothingElse)
{
    ParameterStore store = storeOf({{"ITRF97", true}, {"ITRF96", false}, {"ITRF2000", true}});
    DisplayListEdit edit(store);
    run(edit, "a+");  // ITRF96
    edit.selectDisplayed(edit.displayed().findIgnoringCase("ITRF97"));
    edit.remove();
    edit.apply(store);
    EXPECT_THAT(store.displayedNames(), ElementsAre("ITRF2000", "ITRF96"));
    EXPECT_EQ(store.size(), 3u);
}

TEST(StoreImportedSet, AddsTheNameKeepsTheSelectionAndAppendsToTheListFile)
{
    struct Case { const char* name; std::vector<std::string> list; int selected; const char* imported;
                  std::vector<std::string> listAfter; const char* selectedAfter; };
    const Case cases[] = {
        {"a new name sorting before the selection", {"ITRF2000", "ITRF97"}, 1, "ITRF2005", {"ITRF2000", "ITRF2005", "ITRF97"}, "ITRF97"},
        {"a name the list has in other letters: list unchanged", {"ITRF2000", "ITRF97"}, 0, "itrf97", {"ITRF2000", "ITRF97"}, "ITRF2000"},
        {"nothing selected: the first entry counts as selected", {"ITRF2000", "ITRF97"}, -1, "AAA", {"AAA", "ITRF2000", "ITRF97"}, "ITRF2000"},
        {"an empty list selects the new name", {}, -1, "ITRF2005", {"ITRF2005"}, "ITRF2005"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        ParameterStore store;
        NameList list;
        for (const std::string& name : c.list) {
            store.store(setNamed(name));
            list.add(name);
        }
        list.select(c.selected);
        RecordingNotifier notifier;
        EXPECT_TRUE(storeImportedSet(setNamed(c.imported), store, list, folder.file("params.tessara"), notifier));
        EXPECT_EQ(list.names(), c.listAfter);
        EXPECT_EQ(list.selectedName(), c.selectedAfter);
        EXPECT_NE(store.find(c.imported), nullptr);
    }
}

// Imported twice over a built-in set: two appends, one set after a restart,
// and the file stays read-only.
TEST(StoreImportedSet, AnImportedSetReplacesABuiltInOneNowAndAfterARestart)
{
    TempFolder folder;
    ParameterSet builtIn = setNamed("ITRF97"), imported = setNamed("ITRF97");
    builtIn.builtIn = true;
    imported.base[0] = 1.5;
    ParameterStore store, restarted;
    store.store(builtIn);
    restarted.store(builtIn);
    NameList list;
    list.add("ITRF97");
    const std::string listPath = folder.file("params.tessara");
    RecordingNotifier notifier;
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(storeImportedSet(imported, store, list, listPath, notifier));
    loadStoredSets(listPath, restarted, notifier);
    for (const ParameterStore* after : {&store, &restarted}) {
        const ParameterSet* set = after->find("ITRF97");
        EXPECT_TRUE(after->size() == 1u && set->base[0] == 1.5 && set->valid && !set->builtIn);
    }
    EXPECT_THAT(list.names(), ElementsAre("ITRF97"));
    EXPECT_TRUE(isReadOnly(listPath) && notifier.messages.empty());
}

}  // namespace
}  // namespace tessara

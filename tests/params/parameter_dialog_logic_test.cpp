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

#include <filesystem>

namespace tessara {
namespace {

using test::RecordingNotifier;
using test::TempFolder;
using ::testing::Each;
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
    EXPECT_THAT(texts.base, ElementsAre("-0.0761", "-0.0101", "0.0444", "0.008765", "0.009361",
                                        "0.009325", "MISSING"));
    EXPECT_THAT(texts.rate, ElementsAre("0.0110", "-0.0045", "MISSING", "0.001034", "0.000671",
                                        "0.001039", "-0.000538"));

    // The set of a file with a wrong marker: nothing read, every value
    // missing; the heading shows the unset epoch as it is.
    const ParameterTexts empty = parameterTexts(ParameterSet{});
    EXPECT_EQ(empty.heading, " - base year 1000000.00");
    EXPECT_THAT(empty.base, Each("MISSING"));
    EXPECT_THAT(empty.rate, Each("MISSING"));
}

ParameterStore storeOf(std::initializer_list<std::pair<const char*, bool>> sets)
{
    ParameterStore store;
    for (const auto& [name, displayed] : sets)
        store.store(setNamed(name, displayed));
    return store;
}

TEST(DisplayListEdit, ButtonsFollowTheListsAfterEveryStep)
{
    using Step = void (*)(DisplayListEdit&);
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::string> available;
        std::vector<std::string> displayed;
        DisplayListButtons buttons;  // add, addAll, remove, removeAll, save, note
    };
    const Case cases[] = {
        {"opening: nothing selected", {}, {"ITRF96"}, {"ITRF2000", "ITRF97"}, {false, true, false, true, true, false}},
        {"selecting in one list clears the other",
         {[](DisplayListEdit& e) { e.selectDisplayed(1); }, [](DisplayListEdit& e) { e.selectAvailable(0); }},
         {"ITRF96"}, {"ITRF2000", "ITRF97"}, {true, true, false, true, true, false}},
        {"add moves the selected name and leaves nothing selected",
         {[](DisplayListEdit& e) { e.selectAvailable(0); }, [](DisplayListEdit& e) { e.add(); }},
         {}, {"ITRF2000", "ITRF96", "ITRF97"}, {false, false, false, true, true, false}},
        {"remove all empties Displayed: no Save, the note shows", {[](DisplayListEdit& e) { e.removeAll(); }},
         {"ITRF2000", "ITRF96", "ITRF97"}, {}, {false, true, false, false, false, true}},
        {"remove without a selection moves nothing", {[](DisplayListEdit& e) { e.remove(); }},
         {"ITRF96"}, {"ITRF2000", "ITRF97"}, {false, true, false, true, true, false}},
        {"remove all, then add all", {[](DisplayListEdit& e) { e.removeAll(); }, [](DisplayListEdit& e) { e.addAll(); }},
         {}, {"ITRF2000", "ITRF96", "ITRF97"}, {false, false, false, true, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParameterStore store =
            storeOf({{"ITRF97", true}, {"ITRF96", false}, {"ITRF2000", true}});
        DisplayListEdit edit(store);
        for (const Step step : c.steps)
            step(edit);
        EXPECT_EQ(edit.available().names(), c.available);
        EXPECT_EQ(edit.displayed().names(), c.displayed);
        EXPECT_EQ(edit.buttons(), c.buttons);
    }
}

TEST(DisplayListEdit, ApplySetsTheFlagsOfBothListsAndNothingElse)
{
    ParameterStore store = storeOf({{"ITRF97", true}, {"ITRF96", false}, {"ITRF2000", true}});
    DisplayListEdit edit(store);
    edit.selectAvailable(0);
    edit.add();  // ITRF96
    edit.selectDisplayed(edit.displayed().findIgnoringCase("ITRF97"));
    edit.remove();
    edit.apply(store);
    EXPECT_THAT(store.displayedNames(), ElementsAre("ITRF2000", "ITRF96"));
    EXPECT_EQ(store.size(), 3u);
}

struct ImportCase {
    const char* name;
    std::vector<std::string> list;
    int selected;
    const char* imported;
    std::vector<std::string> listAfter;
    const char* selectedAfter;
};

TEST(StoreImportedSet, AddsTheNameKeepsTheSelectionAndAppendsToTheListFile)
{
    const ImportCase cases[] = {
        {"a new name sorting before the selection", {"ITRF2000", "ITRF97"}, 1, "ITRF2005", {"ITRF2000", "ITRF2005", "ITRF97"}, "ITRF97"},
        {"a name the list has in other letters: list unchanged", {"ITRF2000", "ITRF97"}, 0, "itrf97", {"ITRF2000", "ITRF97"}, "ITRF2000"},
        {"nothing selected: the first entry counts as selected", {"ITRF2000", "ITRF97"}, -1, "AAA", {"AAA", "ITRF2000", "ITRF97"}, "ITRF2000"},
        {"an empty list selects the new name", {}, -1, "ITRF2005", {"ITRF2005"}, "ITRF2005"},
    };
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string listPath = folder.file("params.tessara");
        ParameterStore store;
        NameList list;
        for (const std::string& name : c.list) {
            store.store(setNamed(name));
            list.add(name);
        }
        list.select(c.selected);
        RecordingNotifier notifier;
        EXPECT_TRUE(storeImportedSet(setNamed(c.imported), store, list, listPath, notifier));
        EXPECT_EQ(list.names(), c.listAfter);
        EXPECT_EQ(list.selectedName(), c.selectedAfter);
        ASSERT_NE(store.find(c.imported), nullptr);

        // After a restart the list file gives the set back, valid.
        ParameterStore restarted;
        loadStoredSets(listPath, restarted, notifier);
        ASSERT_NE(restarted.find(c.imported), nullptr);
        EXPECT_TRUE(restarted.find(c.imported)->valid);
        EXPECT_TRUE(notifier.messages.empty());
    }
}

TEST(StoreImportedSet, AnImportedSetReplacesABuiltInOneNowAndAfterARestart)
{
    TempFolder folder;
    ParameterSet imported = setNamed("ITRF97");
    imported.base[0] = 1.5;
    ParameterSet builtIn = setNamed("ITRF97");
    builtIn.builtIn = true;
    ParameterStore store;
    store.store(builtIn);
    NameList list;
    list.add("ITRF97");
    list.select(0);
    const std::string listPath = folder.file("params.tessara");
    RecordingNotifier notifier;
    ASSERT_TRUE(storeImportedSet(imported, store, list, listPath, notifier));
    ASSERT_TRUE(storeImportedSet(imported, store, list, listPath, notifier));
    EXPECT_TRUE(store.find("ITRF97")->base[0] == 1.5 && !store.find("ITRF97")->builtIn);
    EXPECT_THAT(list.names(), ElementsAre("ITRF97"));
    // Two appends, one set after the restart; and the file stays read-only.
    EXPECT_TRUE(isReadOnly(listPath));
    ParameterStore restarted;
    restarted.store(builtIn);
    loadStoredSets(listPath, restarted, notifier);
    EXPECT_EQ(restarted.size(), 1u);
    EXPECT_EQ(restarted.find("ITRF97")->base[0], 1.5);
    EXPECT_TRUE(notifier.messages.empty());
}

}  // namespace
}  // namespace tessara

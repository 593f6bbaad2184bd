// The settings and the stored lists across simulated restarts: each "start"
// rebuilds the store and the ellipsoid list from nothing, as the main form
// does. How the list files themselves are read (last record wins, damaged
// and cut records) is the list files' own tests' (params).

#include "program/display_list.h"
#include "program/memory_settings_store.h"
#include "program/startup_loading.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_list_file.h"
#include "params/ellipsoid_menu.h"
#include "params/name_list.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"
#include "support/recording_notifier.h"
#include "support/temp_folder.h"
#include "tests/program/settings_scenarios.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara {
namespace {

using testing::RecordingNotifier;
using testing::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The four built-in sets, then the stored ones, in both lists; a stored
// ITRF97 replaces the built-in one at every start. Hidden sets stay in the
// store and leave both lists.
TEST(ParameterStart, BuiltInSetsThenTheStoredOnesWithoutTheHidden)
{
    const TempFolder folder;
    const std::string listPath = folder.file("params.tessara");
    MemorySettingsStore settings;
    RecordingNotifier notifier;
    ParameterStore store;
    NameList itrfList, gdaList;
    const auto start = [&] { LoadParameterSets(store, itrfList, gdaList, listPath, settings, notifier); };
    for (const auto& [name, dx] : {std::pair{"Mine", 0.5}, std::pair{"ITRF97", -0.25}}) {
        const ParameterSet set = ParameterSet::fromValues(name, 1997.0, {dx, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6}, {});
        ASSERT_TRUE(appendStoredSet(listPath, set, notifier));
    }
    for (int run = 0; run < 2; ++run) {
        start();
        EXPECT_THAT(itrfList.names(), ElementsAre("ITRF2000", "ITRF2000(IGS)", "ITRF96", "ITRF97", "Mine"));
        EXPECT_TRUE(store.size() == 5u && gdaList.names() == itrfList.names());
        EXPECT_EQ(itrfList.selectedName() + gdaList.selectedName(), "ITRF2000ITRF2000");
        EXPECT_TRUE(!store.find("ITRF97")->builtIn && store.find("ITRF97")->base[0] == -0.25);
        EXPECT_TRUE(store.find("ITRF96")->valid && store.find("ITRF96")->builtIn);
    }
    EXPECT_THAT(notifier.shown, IsEmpty());

    settings.writeString(kParameterListSection, "Param0", "ITRF2000=false");
    settings.writeString(kParameterListSection, "Param1", "Mine=false");
    start();
    EXPECT_THAT(itrfList.names(), ElementsAre("ITRF2000(IGS)", "ITRF96", "ITRF97"));
    EXPECT_TRUE(store.size() == 5u && gdaList.names() == itrfList.names());
    EXPECT_EQ(itrfList.selectedName(), "ITRF2000(IGS)");
}

TEST(EllipsoidStart, Grs80FirstThenTheStoredOnesAndTheSavedNameIsChosen)
{
    TempFolder folder;
    const std::string listPath = folder.file("ellipsoids.tessara");
    RecordingNotifier notifier;
    EllipsoidList list;
    EllipsoidMenu menu;
    CurrentEllipsoids current{5, 6};
    LoadEllipsoids(list, menu, current, true, "", listPath, notifier);
    EXPECT_THAT(menu.names(), ElementsAre("GRS80"));
    EXPECT_TRUE(list.size() == 1u && list[0].builtIn && current.itrfToGda == 0 && current.gdaToItrf == 0);

    for (const char* name : {"One", "Two", "Three"})
        ASSERT_TRUE(appendStoredEllipsoid(listPath, Ellipsoid::fromValues(name, 2.0, 1, 299.0, 1), notifier));
    LoadEllipsoids(list, menu, current, false, "Three", listPath, notifier);
    EXPECT_THAT(menu.names(), ElementsAre("GRS80", "One", "Two", "Three"));
    EXPECT_EQ(std::pair(current.itrfToGda, current.gdaToItrf), std::pair(0, 3));

    // Loaded again, the menu keeps one item each; an unknown name chooses GRS80.
    LoadEllipsoids(list, menu, current, true, "No such ellipsoid", listPath, notifier);
    EXPECT_TRUE(current.itrfToGda == 0 && current.gdaToItrf == 0 && menu.size() == 4);
    EXPECT_THAT(notifier.shown, IsEmpty());
}

// The memory store keeps its values across a "restart" by being the same
// object.
struct MemoryOpener final : test::StoreOpener {
    SettingsStore& reopen() override { return store; }
    MemorySettingsStore store;
};

TEST(SettingsScenarios, PassOnTheMemoryStore)
{
    for (const test::SettingsScenario& scenario : test::settingsScenarios()) {
        SCOPED_TRACE(scenario.name);
        MemoryOpener opener;
        EXPECT_THAT(scenario.run(opener), IsEmpty());
    }
}

}  // namespace
}  // namespace tessara

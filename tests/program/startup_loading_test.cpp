// The stored lists across simulated restarts: each "start" rebuilds the
// store and the ellipsoid list from nothing, as the main form does.

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

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace tessara {
namespace {

using testing::RecordingNotifier;
using testing::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

ParameterSet imported(const std::string& name, double dx = 0.5)
{
    return ParameterSet::fromValues(name, 1997.0, {dx, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6},
                                    {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
}

class ParameterStartTest : public ::testing::Test {
protected:
    // One start of the program.
    void start() { LoadParameterSets(store, itrfList, gdaList, listPath, settings, notifier); }
    void import(const ParameterSet& set) { ASSERT_TRUE(appendStoredSet(listPath, set, notifier)); }

    TempFolder folder;
    std::string listPath = folder.file("params.tessara");
    MemorySettingsStore settings;
    RecordingNotifier notifier;
    ParameterStore store;
    NameList itrfList;
    NameList gdaList;
};

// The four built-in sets, then the stored ones: a set imported twice loads
// once, a stored ITRF97 replaces the built-in one at every start.
TEST_F(ParameterStartTest, BuiltInSetsThenTheStoredOnes)
{
    start();
    EXPECT_THAT(itrfList.names(), ElementsAre("ITRF2000", "ITRF2000(IGS)", "ITRF96", "ITRF97"));
    EXPECT_TRUE(store.find("ITRF96")->valid && store.find("ITRF96")->builtIn);
    import(imported("Mine"));
    import(imported("Mine"));
    import(imported("ITRF97", -0.25));
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        start();
        EXPECT_EQ(store.size(), 5u);
        EXPECT_THAT(itrfList.names(), ElementsAre("ITRF2000", "ITRF2000(IGS)", "ITRF96", "ITRF97", "Mine"));
        EXPECT_EQ(gdaList.names(), itrfList.names());
        EXPECT_EQ(itrfList.selectedName() + gdaList.selectedName(), "ITRF2000ITRF2000");
        const ParameterSet* set = store.find("ITRF97");
        EXPECT_TRUE(!set->builtIn && set->base[0] == -0.25);
    }
    EXPECT_THAT(notifier.shown, IsEmpty());
}

TEST_F(ParameterStartTest, CutLastRecordIsDroppedAndADamagedOneLoadsInvalid)
{
    import(imported("First"));
    import(imported("Damaged"));
    import(imported("Cut"));
    std::filesystem::permissions(listPath, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    std::string bytes = testing::readFile(listPath);
    bytes.resize(bytes.size() - 10);
    const std::size_t value = bytes.find("Damaged") + 7 + 8;  // the dx base value
    bytes[value] = static_cast<char>(bytes[value] ^ 0x20);
    std::filesystem::remove(listPath);
    testing::writeFile(listPath, bytes);

    start();
    EXPECT_FALSE(store.contains("Cut"));
    EXPECT_TRUE(store.find("First")->valid);
    ASSERT_TRUE(store.contains("Damaged"));
    EXPECT_FALSE(store.find("Damaged")->valid);
    EXPECT_EQ(itrfList.findIgnoringCase("damaged"), 0);  // listed, though invalid
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].text, "Error - Parameters for Damaged are incorrect - checksum does not match");
}

TEST_F(ParameterStartTest, HiddenSetsStayInTheStoreAndLeaveBothLists)
{
    import(imported("Mine"));
    settings.writeString(kParameterListSection, "Param0", "ITRF2000=false");
    settings.writeString(kParameterListSection, "Param1", "Mine=false");
    start();
    EXPECT_EQ(store.size(), 5u);
    EXPECT_THAT(itrfList.names(), ElementsAre("ITRF2000(IGS)", "ITRF96", "ITRF97"));
    EXPECT_EQ(gdaList.names(), itrfList.names());
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
    EXPECT_TRUE(list.size() == 1u && list[0].builtIn);
    EXPECT_EQ(std::pair(current.itrfToGda, current.gdaToItrf), std::pair(0, 0));

    // GRS80 cannot be replaced; one entered again later replaces in place.
    for (const auto& [name, a] : {std::pair{"GRS80", 1.0}, {"One", 2.0}, {"Two", 3.0}, {"Three", 4.0}, {"One", 5.0}})
        ASSERT_TRUE(appendStoredEllipsoid(listPath, Ellipsoid::fromValues(name, a, 1, 299.0, 1), notifier));
    LoadEllipsoids(list, menu, current, false, "Three", listPath, notifier);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(std::pair(list[0].semiMajorAxis, list[1].semiMajorAxis), std::pair(6378137.0, 5.0));
    EXPECT_THAT(menu.names(), ElementsAre("GRS80", "One", "Two", "Three"));
    EXPECT_EQ(EllipsoidMenu::commandId(menu.size() - 1), 32792);
    EXPECT_EQ(std::pair(current.itrfToGda, current.gdaToItrf), std::pair(0, 3));

    LoadEllipsoids(list, menu, current, true, "No such ellipsoid", listPath, notifier);
    EXPECT_EQ(current.itrfToGda, 0);
    EXPECT_EQ(menu.size(), 4);
    EXPECT_THAT(notifier.shown, IsEmpty());
}

}  // namespace
}  // namespace tessara

#include "params/ellipsoid_list.h"
#include "params/ellipsoid_menu.h"
#include "params/name_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara {
namespace {

using ::testing::ElementsAre;

TEST(NameList, SortsLikeTheFormsListsAndFindsIgnoringCase)
{
    NameList list;
    for (const char* name : {"ITRF97", "itrf2005", "ITRF2000(IGS)", "ITRF96", "ITRF2000", "ITRF2005"})
        list.add(name);
    EXPECT_THAT(list.names(), ElementsAre("ITRF2000", "ITRF2000(IGS)", "ITRF2005", "itrf2005",
                                          "ITRF96", "ITRF97"));
    EXPECT_EQ(std::vector({list.findIgnoringCase("itrf96"), list.findIgnoringCase("ITRF2005"), list.findIgnoringCase("ITRF9")}),
              std::vector({4, 2, -1}));
}

TEST(NameList, SelectionStaysWithItsEntry)
{
    NameList list;
    for (const char* name : {"B", "D"})
        list.add(name);
    list.select(1);
    list.add("A");  // before the selected entry
    EXPECT_EQ(list.selectedName(), "D");
    list.add("E");  // after it
    EXPECT_EQ(list.selectedIndex(), 2);
    list.removeAt(0);
    EXPECT_EQ(list.selectedName(), "D");
    list.removeAt(list.selectedIndex());
    EXPECT_EQ(list.selectedIndex(), NameList::kNoSelection);
    list.select(7);  // beyond the end selects nothing
    EXPECT_EQ(list.selectedName(), "");
    list.clear();
    list.select(0);  // an empty list has nothing to select
    EXPECT_EQ(list.selectedIndex(), NameList::kNoSelection);
}

TEST(EllipsoidList, AddOrReplaceKeepsPositionsAndNeverTouchesTheBuiltInOne)
{
    EllipsoidList list;
    Ellipsoid builtIn = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);
    builtIn.builtIn = true;
    struct Case { const char* name; Ellipsoid ellipsoid; bool accepted; std::size_t size; std::size_t index; };
    const Case cases[] = {
        {"built-in first", builtIn, true, 1, 0},
        {"new name appended", Ellipsoid::fromValues("A", 1, 0, 2, 0), true, 2, 1},
        {"same name replaced in place", Ellipsoid::fromValues("A", 5, 0, 6, 0), true, 2, 1},
        {"built-in name refused", Ellipsoid::fromValues("GRS80", 7, 0, 8, 0), false, 2, 0},
        {"names differ by case", Ellipsoid::fromValues("grs80", 9, 0, 10, 0), true, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(list.addOrReplaceEllipsoid(c.ellipsoid), c.accepted);
        ASSERT_EQ(list.size(), c.size);
        if (c.accepted) {
            EXPECT_EQ(list[c.index].semiMajorAxis, c.ellipsoid.semiMajorAxis);
        }
    }
    EXPECT_EQ(list[0].semiMajorAxis, 6378137.0);
}

TEST(EllipsoidMenu, ItemsFollowTheListWithIdentifiersFrom32789)
{
    EllipsoidList list;
    for (const char* name : {"GRS80", "One", "Two", "Three"})
        list.addOrReplaceEllipsoid(Ellipsoid::fromValues(name, 1, 0, 2, 0));
    EllipsoidMenu menu;
    menu.addItemsFor(list);
    menu.addItemsFor(list);  // a second rebuild adds nothing
    menu.addEllipsoidMenuItem("One");
    EXPECT_THAT(menu.names(), ElementsAre("GRS80", "One", "Two", "Three"));
    EXPECT_EQ(menu.positionOfCommand(32792), 3);
    EXPECT_TRUE(!menu.positionOfCommand(32793) && !menu.positionOfCommand(32788));

    // Exact text only.
    EXPECT_EQ(std::vector({menu.selectEllipsoidByName("Three"), menu.selectEllipsoidByName("three"), menu.selectEllipsoidByName("")}),
              std::vector({3, 0, 0}));
    EXPECT_TRUE(EllipsoidMenu::isChecked(2, 2) && !EllipsoidMenu::isChecked(1, 2));
}

}  // namespace
}  // namespace tessara

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
    list.add("E");  // after it
    EXPECT_EQ(list.selectedIndex(), 2);
    list.removeAt(0);
    EXPECT_EQ(list.selectedName(), "D");
    list.removeAt(list.selectedIndex());
    EXPECT_EQ(list.selectedIndex(), NameList::kNoSelection);
    list.select(7);  // beyond the end selects nothing
    const bool beyondEnd = list.selectedName().empty();
    list.clear();
    list.select(0);  // an empty list has nothing to select
    EXPECT_TRUE(beyondEnd && list.selectedIndex() == NameList::kNoSelection);
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
}

}  // namespace
}  // namespace tessara

#include "params/ellipsoid_entry.h"
#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_list_file.h"
#include "params/ellipsoid_menu.h"
#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

namespace tessara {
namespace {

using test::RecordingNotifier;
using test::TempFolder;
using ::testing::ElementsAre;

Ellipsoid grs80()
{
    Ellipsoid e = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);
    e.builtIn = true;
    return e;
}

// The program's list at start: GRS80 and one user ellipsoid.
struct Lists {
    EllipsoidList list;
    EllipsoidMenu menu;
    Lists()
    {
        list.addOrReplaceEllipsoid(grs80());
        list.addOrReplaceEllipsoid(Ellipsoid::fromValues("Clarke 1866", 6378206.4, 1, 294.9786982, 7));
        menu.addItemsFor(list);
    }
};

TEST(EllipsoidEntry, FieldsShowTheDecimalsEnteredAndEntriesMarkBuiltInOnes)
{
    const Lists lists;
    EXPECT_EQ(std::pair(ellipsoidEntryValue(lists.list, 0), ellipsoidEntryValue(lists.list, 1)), std::pair(10000, 1));

    const EllipsoidFieldTexts shown = ellipsoidFieldTexts(grs80());
    EXPECT_EQ(shown.name + "|" + shown.semiMajorAxis + "|" + shown.inverseFlattening,
              "GRS80|6378137.0|298.257222101");
    // Nothing entered: nothing shown; a damaged count is clamped.
    const EllipsoidFieldTexts partial = ellipsoidFieldTexts(Ellipsoid::fromValues("E", 6378000.0, -1, 300.0, 1000));
    EXPECT_TRUE(partial.semiMajorAxis.empty() && partial.inverseFlattening.size() == 4u + 40u);
}

TEST(EllipsoidEntry, CheckRunOnEveryChange)
{
    struct Case { const char* name; EllipsoidFieldTexts texts; bool acceptable; bool saveEnabled; const char* status; };
    const char* const save = "Click on Save to save this ellipsoid";
    const Case cases[] = {
        {"a new ellipsoid", {"Bessel 1841", "6377397.155", "299.1528128"}, true, true, save},
        {"the built-in name", {"GRS80", "6378137.0", "298.257222101"}, false, false, "You cannot change this ellipsoid"},
        {"the built-in name in other letters is another name", {"grs80", "6378137", "298.25"}, true, true, save},
        {"no name", {"  ", "6378137", "298.25"}, false, false, save},
        {"a number that is not one", {"X", "63781a", "298.25"}, false, false, save},
        {"an empty number may be typed yet", {"X", "", "298.25"}, true, false, save},
        {"a zero flattening cannot be saved", {"X", "6378137", "0"}, true, false, save},
        {"a user ellipsoid's name may be reused", {"Clarke 1866", "6378206.4", "294.98"}, true, true, save},
    };
    const Lists lists;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EllipsoidEntryCheck check = checkEllipsoidEntry(c.texts, lists.list);
        EXPECT_EQ(std::pair(check.acceptable, check.saveEnabled), std::pair(c.acceptable, c.saveEnabled));
        EXPECT_EQ(check.status, c.status);
    }
    const Ellipsoid typed = checkEllipsoidEntry({"  Bessel  ", " 6377397.155 ", ""}, lists.list).ellipsoid;
    EXPECT_TRUE(typed.name == "Bessel" && typed.semiMajorAxis == 6377397.155 && typed.semiMajorDecimals == 3 &&
                typed.inverseFlattening == 0.0 && typed.flatteningDecimals == -1);
}

TEST(EllipsoidEntry, NewEllipsoidsGetTheNextMenuItemOrReplaceTheirNamesakeInPlace)
{
    TempFolder folder;
    const std::string listPath = folder.file("ellipsoids.tessara");
    Lists lists;
    RecordingNotifier notifier;
    const Ellipsoid bessel = Ellipsoid::fromValues("Bessel 1841", 6377397.155, 3, 299.1528128, 7);
    ASSERT_TRUE(addUserEllipsoid(bessel, lists.list, lists.menu, listPath, notifier));
    EXPECT_THAT(lists.menu.names(), ElementsAre("GRS80", "Clarke 1866", "Bessel 1841"));
    EXPECT_EQ(lists.menu.selectEllipsoidByName("Bessel 1841"), 2);

    // The same name again replaces the values in place: same item, second record.
    ASSERT_TRUE(addUserEllipsoid(Ellipsoid::fromValues("Bessel 1841", 6377397.0, 1, 299.15, 2), lists.list, lists.menu,
                                 listPath, notifier));
    EXPECT_TRUE(lists.menu.size() == 3 && lists.list[2].semiMajorAxis == 6377397.0);

    EXPECT_TRUE(notifier.messages.empty());
}

TEST(EllipsoidEntry, ImportAddsAFileAndRefusesBuiltInNamesAndCutFiles)
{
    TempFolder folder;
    const std::string listPath = folder.file("ellipsoids.tessara");
    const std::string good = folder.file("bessel.ellipsoid");
    const std::string cut = folder.file("cut.ellipsoid");
    RecordingNotifier writer;
    Ellipsoid bessel = Ellipsoid::fromValues("Bessel 1841", 6377397.155, 3, 299.1528128, 7);
    ASSERT_TRUE(writeEllipsoidFile(good, bessel, writer));
    // The marker and the start of a name: the record ends inside it.
    test::writeAll(cut, test::readAll(test::fixture("grs80.ellipsoid")).substr(0, 19 + 3));

    struct Case { const char* name; std::string file; bool added; std::vector<std::string> messages; };
    const Case cases[] = {
        {"an editor file", good, true, {}},
        {"named like the built-in one", test::fixture("grs80.ellipsoid"), false, {"You cannot replace the parameters for ellipsoid - GRS80"}},
        {"cut short", cut, false, {"Ellipsoid file is incorrect"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lists lists;
        RecordingNotifier notifier;
        EXPECT_EQ(wasAdded(importEllipsoidFile(c.file, lists.list, lists.menu, listPath, notifier)), c.added);
        EXPECT_EQ(notifier.messages, c.messages);
        EXPECT_EQ(std::pair(lists.menu.size(), lists.list.size()), c.added ? std::pair(3, std::size_t{3}) : std::pair(2, std::size_t{2}));
    }
}

}  // namespace
}  // namespace tessara

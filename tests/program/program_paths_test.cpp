#include "program/help_path.h"
#include "program/program_paths.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessara {
namespace {

// The folder is cut before the last "/", unless that is the first character
// or there is none; a bare name goes into the program folder.
TEST(ProgramPaths, FolderOfTheProgramAndOfBareNames)
{
    EXPECT_EQ(programFolderOf("/opt/tessara/bin/tessara") + "|" + programFolderOf("/tessara") + "|" +
                  programFolderOf("tessara"),
              "/opt/tessara/bin|/tessara|tessara");
    EXPECT_EQ(inProgramFolder("tessara.log", "/opt/t"), "/opt/t/tessara.log");
    EXPECT_EQ(inProgramFolder("/var/log/t.log", "/opt/t"), "/var/log/t.log");
    EXPECT_EQ(inProgramFolder("logs/t.log", "/opt/t"), "logs/t.log");
}

// The last member says whether the program's folder is a shared install.
TEST(ProgramPaths, FolderChoiceFromEnvironmentWritabilityAndSharing)
{
    struct Case { const char* name; ProgramFolderInputs inputs; const char* folder; };
    const Case cases[] = {
        {"writable program folder", {"/opt/t", true, std::nullopt, "/x", "/home/u"}, "/opt/t"},
        {"empty TESSARA_HOME is unset", {"/opt/t", true, "", "/x", "/home/u"}, "/opt/t"},
        {"unwritable: XDG data folder", {"/usr/bin", false, std::nullopt, "/x", "/home/u"}, "/x/tessara"},
        {"relative XDG_DATA_HOME is ignored", {"/usr/bin", false, std::nullopt, "rel", "/home/u"}, "/home/u/.local/share/tessara"},
        {"no home at all", {"/usr/bin", false, std::nullopt, std::nullopt, std::nullopt}, "/usr/bin"},
        {"root can write the shared folder", {"/usr/lib/tessara", true, std::nullopt, std::nullopt, "/root", true}, "/root/.local/share/tessara"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(chooseProgramFolder(c.inputs), c.folder);
    }
}

// What the running program sees: a shared install by its marker file.
// (TESSARA_HOME from the environment is how every end-to-end run places
// its program folder.)
TEST(ProgramPaths, SharedInstallMarkerIsObserved)
{
    testing::TempFolder folder;
    const std::string path = folder.path().string();
    const ProgramFolderInputs plain = observeProgramFolderInputs(path);
    EXPECT_TRUE(!plain.executableFolderShared && plain.executableFolderWritable);
    testing::writeFile(folder.file(std::string(kSharedFolderMarker)), "");
    EXPECT_TRUE(observeProgramFolderInputs(path).executableFolderShared);
}

// The installed sets win over a copy beside the program (which the
// end-to-end import finds in the build tree).
TEST(ProgramPaths, ShippedSetsAreFoundInTheInstallOrBesideTheProgram)
{
    testing::TempFolder root;
    const std::filesystem::path program = root.path() / "usr/lib/tessara";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(root.path() / "usr/share/tessara");
    EXPECT_EQ(shippedSetsFolder(program.string()), "");
    std::filesystem::create_directories(program / "sets");
    std::filesystem::create_directories(root.path() / "usr/share/tessara/sets");
    EXPECT_EQ(shippedSetsFolder(program.string()), (root.path() / "usr/share/tessara/sets").string());
}

TEST(HelpPath, IniValueExtensionAndFolderRulesAndAFolderIsNoFile)
{
    struct Case { const char* name; const char* program; const char* ini; const char* path; };
    const Case cases[] = {
        {"default from the program path", "/opt/t/tessara", "", "/opt/t/tessara.chm"},
        {"program with an extension", "/opt/t/tessara.bin", "", "/opt/t/tessara.chm"},
        {"dot only in a folder name", "/opt/t.d/tessara", "", "/opt/t.d/tessara.chm"},
        {"absolute ini value", "/opt/t/tessara", "/usr/share/doc/t/help.html", "/usr/share/doc/t/help.html"},
        {"relative ini value", "/opt/t/tessara", "doc/help.html", "/opt/t/doc/help.html"},
        {"capital HLP becomes chm", "/opt/t/tessara", "/h/Manual.HLP", "/h/Manual.chm"},
        {"no dot: unchanged", "/opt/t/tessara", "/h/manual", "/h/manual"},
        {"hlp inside the name: unchanged", "/opt/t/tessara", "/h/a.hlpx", "/h/a.hlpx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(helpFilePath(c.program, c.ini, "/opt/t"), c.path);
    }
    EXPECT_EQ(withHelpViewerExtension(".hlp"), ".hlp");  // the "." must not be first
    // A folder is no help file.
    const testing::TempFolder folder;
    EXPECT_FALSE(helpFileExists(folder.path().string()));
}

}  // namespace
}  // namespace tessara

// The file finder: masks, roots, hidden and linked directories, progress plan, filter, order.
#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "VirtualDrive.h"
#include "engine/LIB_FindFiles.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace vw = platform::headless;
using Paths = std::vector<std::string>;
using Percents = std::vector<int>;

namespace {

class FindFilesTest : public VirtualDriveTest {
protected:
    Paths Find(const std::string& masks, std::uint8_t driveKind, const std::string& startDirs) {
        percents_.clear();
        return FindFiles(
            masks, driveKind, startDirs, [this](std::uint8_t p) { percents_.push_back(p); }, nullptr);
    }

    Percents percents_;
};

TEST_F(FindFilesTest, MaskTextIsTrimmedAndSplit) {
    MakeFile("C:\\Data\\Pictoro.Dat");
    MakeFile("C:\\Data\\Notes.txt");
    MakeFile("C:\\Data\\Sub\\pictoro.dat");
    const Paths dataFiles{"C:\\Data\\Pictoro.Dat", "C:\\Data\\Sub\\pictoro.dat"};
    EXPECT_EQ(Find("  Pictoro.Dat ;", 4, "C:\\Data"), dataFiles);
    EXPECT_EQ(Find("\t;; Pictoro.Dat\r;\n", 4, "C:\\Data"), dataFiles);
    EXPECT_EQ(Find("Notes.txt;Pictoro.Dat", 4, "C:\\Data"),
              (Paths{"C:\\Data\\Notes.txt", "C:\\Data\\Pictoro.Dat", "C:\\Data\\Sub\\pictoro.dat"}));

    // No mask at all, or "*", searches for everything, directories included.
    const Paths everything{"C:\\Data\\Notes.txt", "C:\\Data\\Pictoro.Dat", "C:\\Data\\Sub",
                           "C:\\Data\\Sub\\pictoro.dat"};
    for (const char* masks : {"", "   ", ";", " ; ;", "*", " * ;"})
        EXPECT_EQ(Find(masks, 4, "C:\\Data"), everything) << '"' << masks << '"';
}

TEST_F(FindFilesTest, PathFoundTwiceIsListedOnceInItsFirstLetterCase) {
    MakeFile("C:\\Data\\Pictoro.Dat");
    EXPECT_EQ(Find("*.dat;Pictoro.*;PICTORO.DAT", 4, "C:\\Data"), Paths{"C:\\Data\\Pictoro.Dat"});
    EXPECT_EQ(Find("Pictoro.Dat", 4, "c:\\data;C:\\DATA\\;C:\\Data"), Paths{"c:\\data\\Pictoro.Dat"});
}

TEST_F(FindFilesTest, DriveKindSelectsRootsByDriveType) {
    MapDrive('D', platform::DriveFixed);
    MapDrive('E', platform::DriveCdrom);
    MapDrive('F', platform::DriveRemovable);
    MapDrive('G', platform::DriveRemote);
    MapDrive('R', platform::DriveRamdisk);
    vw::SetDriveType('A', platform::DriveRemovable); // a floppy drive without a disk
    for (char drive : {'C', 'D', 'E', 'F', 'G', 'R'}) MakeFile(std::string(1, drive) + ":\\Pictoro\\Pictoro.Dat");
    MakeDir("D:\\Work");
    vw::SetCurrentDir("D:\\Work");
    auto found = [](std::initializer_list<char> drives) {
        Paths paths;
        for (char drive : drives) paths.push_back(std::string(1, drive) + ":\\Pictoro\\Pictoro.Dat");
        return paths;
    };
    EXPECT_EQ(Find("Pictoro.Dat", 0, ""), found({'D'}));
    EXPECT_EQ(Find("Pictoro.Dat", 1, ""), found({'C', 'D'}));
    EXPECT_EQ(Find("Pictoro.Dat", 2, ""), found({'C', 'D', 'F', 'R'}));
    EXPECT_EQ(Find("Pictoro.Dat", 3, ""), found({'C', 'D', 'E', 'F', 'G', 'R'}));
    EXPECT_EQ(Find("Pictoro.Dat", 4, ""), Paths{});
    EXPECT_EQ(Find("Pictoro.Dat", 200, "E:\\Pictoro"), found({'E'}));
}

TEST_F(FindFilesTest, StartDirectoryThatIsAlsoADriveRootIsListedOnce) {
    MakeFile("C:\\Pictoro.Dat");
    MakeFile("C:\\Apps\\Pictoro.Dat");
    const Paths both{"C:\\Apps\\Pictoro.Dat", "C:\\Pictoro.Dat"};
    EXPECT_EQ(Find("Pictoro.Dat", 1, "C:\\"), both);
    // Two roots: each is searched and reports its own end.
    EXPECT_EQ(percents_, (Percents{1, 6, 49, 56, 99, 99, 100}));
    EXPECT_EQ(Find("Pictoro.Dat", 4, " C: ; C:\\ "), both);
}

TEST_F(FindFilesTest, MissingOrUnreadableRootsYieldNothing) {
    MakeFile("C:\\Pictoro.Dat");
    EXPECT_EQ(Find("Pictoro.Dat", 4, "C:\\Missing;Q:\\;C:\\Pictoro.Dat"), Paths{});
}

TEST_F(FindFilesTest, FolderThatCannotBeListedIsSteppedOver) {
    for (const char* path : {"C:\\A\\Pictoro.Dat", "C:\\Locked\\Inner\\Pictoro.Dat", "C:\\Z\\Pictoro.Dat"})
        MakeFile(path);
    vw::InjectFault("\\Locked", vw::Fault::AccessDenied);
    EXPECT_EQ(Find("Pictoro.Dat", 1, ""), (Paths{"C:\\A\\Pictoro.Dat", "C:\\Z\\Pictoro.Dat"}));
    EXPECT_EQ(percents_.back(), 100);
}

TEST_F(FindFilesTest, FolderNamedLikeTheMaskIsOfferedAndEntered) {
    MakeFile("C:\\Odd\\PICTORO.DAT\\Pictoro.Dat");
    EXPECT_EQ(Find("Pictoro.Dat", 1, ""), (Paths{"C:\\Odd\\PICTORO.DAT", "C:\\Odd\\PICTORO.DAT\\Pictoro.Dat"}));
}

TEST_F(FindFilesTest, HiddenDirectoriesAreNotEnteredButHiddenFilesAreFound) {
    MakeFile("C:\\Secret\\Pictoro.Dat");
    MakeFile("C:\\Open\\Pictoro.Dat");
    MakeFile("C:\\System\\Pictoro.Dat");
    vw::SetAttributes("C:\\Secret", platform::faDirectory | platform::faHidden);
    vw::SetAttributes("C:\\Open\\Pictoro.Dat", platform::faHidden | platform::faArchive);
    vw::SetAttributes("C:\\System", platform::faDirectory | platform::faSysFile);
    EXPECT_EQ(Find("Pictoro.Dat", 1, ""), (Paths{"C:\\Open\\Pictoro.Dat", "C:\\System\\Pictoro.Dat"}));
    // A hidden directory named as a start directory is searched itself.
    EXPECT_EQ(Find("Pictoro.Dat", 4, "C:\\Secret"), Paths{"C:\\Secret\\Pictoro.Dat"});
}

TEST_F(FindFilesTest, LinkedDirectoryIsNotEntered) {
    MakeFile("C:\\Tree\\Pictoro.Dat");
    MakeFile("C:\\Tree\\Below\\Pictoro.Dat");
    std::filesystem::create_directory_symlink(vw::HostPath("C:\\Tree"), vw::HostPath("C:\\Tree\\Below\\Up"));
    EXPECT_EQ(Find("Pictoro.Dat", 1, ""), (Paths{"C:\\Tree\\Below\\Pictoro.Dat", "C:\\Tree\\Pictoro.Dat"}));
}

TEST_F(FindFilesTest, ProgressPlanInMillionths) {
    struct Case {
        std::vector<const char*> dirs;
        const char* startDirs;
        Percents expected;
    };
    const Case cases[] = {
        // No roots at all.
        {{}, "", {1, 99, 100}},
        {{}, " ; ;", {1, 99, 100}},
        // One root, 1,000..998,000; each level takes an eighth of its parent's range:
        // A ..125,625  B ..16,578  C ..2,947  D ..1,243, reported innermost first.
        {{"C:\\Nested\\A\\B\\C\\D"}, "C:\\Nested", {1, 0, 0, 1, 12, 99, 99, 100}},
        // Siblings: 1,000..125,625, then an eighth of the remaining 872,375 each time:
        // ..234,671 and ..330,087.
        {{"C:\\Siblings\\X", "C:\\Siblings\\Y", "C:\\Siblings\\Z"}, "C:\\Siblings", {1, 12, 23, 33, 99, 99, 100}},
        // Three roots end at 332,667, 665,333 and 998,000; the second starts at 333,667 and
        // gives its subdirectory an eighth of 331,666: up to 375,125. The others are missing.
        {{"C:\\Second\\Sub"}, "C:\\First;C:\\Second;C:\\Third", {1, 33, 37, 66, 99, 99, 100}},
    };
    for (const Case& c : cases) {
        for (const char* dir : c.dirs) MakeDir(dir);
        Find("", 4, c.startDirs);
        EXPECT_EQ(percents_, c.expected) << c.startDirs;
    }
}

TEST_F(FindFilesTest, ResultIsSortedWithoutRegardToCase) {
    for (const char* path : {"C:\\b\\x.dat", "C:\\Zed\\x.dat", "C:\\alpha\\x.dat", "C:\\B.dat", "C:\\a.dat",
                             "C:\\_x\\x.dat", "C:\\Pictoro2\\x.dat", "C:\\Pictoro\\x.dat"})
        MakeFile(path);
    // Letters compare as lower case; symbols come before digits and digits before letters.
    EXPECT_EQ(Find("*.dat", 1, ""),
              (Paths{"C:\\_x\\x.dat", "C:\\a.dat", "C:\\alpha\\x.dat", "C:\\B.dat", "C:\\b\\x.dat",
                     "C:\\Pictoro\\x.dat", "C:\\Pictoro2\\x.dat", "C:\\Zed\\x.dat"}));
}

TEST_F(FindFilesTest, FilterDecidesForEachCandidateNotYetInTheResult) {
    MakeFile("C:\\Keep\\Pictoro.Dat");
    MakeFile("C:\\Drop\\Pictoro.Dat");
    Paths asked;
    auto acceptKeep = [&](const std::string& path) {
        asked.push_back(path);
        return path.find("Keep") != std::string::npos;
    };
    Paths found = FindFiles("Pictoro.Dat;*.Dat", 1, "", nullptr, acceptKeep);
    EXPECT_EQ(found, Paths{"C:\\Keep\\Pictoro.Dat"});
    // The refused file is offered again through the second mask, the accepted one is not.
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (Paths{"C:\\Drop\\Pictoro.Dat", "C:\\Drop\\Pictoro.Dat", "C:\\Keep\\Pictoro.Dat"}));
}

TEST_F(FindFilesTest, CallbackExceptionPassesOut) {
    MakeFile("C:\\Pictoro.Dat");
    auto refuse = [](const std::string&) -> bool { throw std::runtime_error("filter failed"); };
    EXPECT_THROW(FindFiles("Pictoro.Dat", 1, "", nullptr, refuse), std::runtime_error);
}

} // namespace

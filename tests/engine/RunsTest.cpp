// The runs without their pages: what the installation, the upgrade and the search write,
// read and report, and where a failure stops them.
#include <string>
#include <vector>

#include "RunResults.h"
#include "VirtualDrive.h"
#include "engine/DataFileSearch.h"
#include "engine/InstallRun.h"
#include "engine/UpgradeRun.h"
#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace vw = platform::headless;

namespace {

const std::string Installed = "C:\\Program Files\\Pictoro\\";
const std::string Programs = "C:\\Users\\Ann\\Start Menu\\Programs";
const std::string StartMenuFolder = Programs + "\\Pictoro";
const std::string Desktop = "C:\\Users\\Ann\\Desktop";

// The progress positions, from the payload's size alone: the executable's blocks (the closing
// call one past its end), then shares of the run's maximum, the payload plus a thirtieth.
constexpr std::uint32_t AfterExecutable = PayloadSize + 1;
constexpr std::uint32_t Maximum = PayloadSize + PayloadSize / 30;
constexpr std::uint32_t Share(int percent) {
    return std::uint32_t((std::uint64_t(Maximum) * percent + 50) / 100);
}

class RunsTest : public VirtualDriveTest {
protected:
    void SetUp() override {
        VirtualDriveTest::SetUp();
        MapDrive('D', platform::DriveFixed);
        vw::SetSpecialFolder(platform::CsidlPrograms, Programs);
        vw::SetSpecialFolder(platform::CsidlDesktopDirectory, Desktop);
        MakeDir(Programs);
        MakeDir(Desktop);
    }

    std::vector<std::uint32_t> Install() {
        std::vector<std::uint32_t> positions;
        RunInstallation({{Installed, "C:\\Images\\", 4}, true, 0},
                        [&](std::uint32_t position) { positions.push_back(position); });
        return positions;
    }
};

} // namespace

TEST(PercentOf, RoundsToTheNearestAndATieToTheEvenNumber) {
    EXPECT_EQ(PercentOf(50, 99), 50u); // 49.5
    EXPECT_EQ(PercentOf(150, 99), 148u); // 148.5
    EXPECT_EQ(PercentOf(10, 99), 10u); // 9.9
    EXPECT_EQ(PercentOf(0, 96), 0u);
}

TEST(InstallRunMaximumOf, IsTheSizeAndAThirtiethOfItInWholeNumbers) {
    EXPECT_EQ(InstallRunMaximumOf(2495488), 2578670u); // the stand-in's
    EXPECT_EQ(InstallRunMaximumOf(2232334), 2306745u);
    EXPECT_EQ(InstallRunMaximumOf(1025), 1059u);
    EXPECT_EQ(InstallRunMaximumOf(29), 29u);
    EXPECT_EQ(InstallRunMaximumOf(268435456), 277383304u); // the largest the build takes
}

TEST_F(RunsTest, InstallationReportsEveryBlockThenTheSharesOfTheLaterSteps) {
    EXPECT_EQ(InstallRunMaximum, Maximum);
    std::vector<std::uint32_t> positions = Install();
    const std::size_t blocks = PayloadSize / PayloadBlockSize + 1;
    ASSERT_EQ(positions.size(), blocks + 4u);
    for (std::size_t i = 0; i + 1 < blocks; ++i) ASSERT_EQ(positions[i], (i + 1) * PayloadBlockSize) << i;
    EXPECT_EQ(std::vector<std::uint32_t>(positions.begin() + blocks - 1, positions.end()),
              (std::vector<std::uint32_t>{AfterExecutable, Share(96), Share(98), Share(99), Share(99)}));
}

TEST_F(RunsTest, InstallationWritesTheExecutableLinksAndDataFile) {
    Install();
    EXPECT_TRUE(ExecutableIsTheImage(Installed + "Pictoro.Exe"));
    EXPECT_FALSE(Exists(Installed + "Pictoro.Exe" + PayloadTempSuffix));
    EXPECT_EQ(DecodeDataFileStart(Installed + "Pictoro.Dat"),
              (std::vector<std::string>{"0", "C:\\Images\\", Installed + "Cache\\",
                                        "http://www.korvane.example/Install_Pictoro.exe",
                                        "http://home.webspace.example/~korvane/Install_Pictoro.exe", "43", "30"}));
    EXPECT_FALSE(Exists(Installed + "Cache"));
    EXPECT_FALSE(Exists("C:\\Images"));

    const std::string exe = Installed + "Pictoro.Exe";
    EXPECT_EQ(
        ReadLink(StartMenuFolder + "\\Pictoro.Lnk"),
        (Link{{"Path", exe}, {"Arguments", ""}, {"Description", "Pictoro"}, {"IconPath", exe}, {"IconIndex", "0"}}));
    EXPECT_EQ(ReadLink(StartMenuFolder + "\\Uninstal.Lnk"),
              (Link{{"Path", exe},
                    {"Arguments", "/Uninstall"},
                    {"Description", "Uninstall Pictoro"},
                    {"IconPath", exe},
                    {"IconIndex", "1"}}));
    EXPECT_EQ(
        ReadLink(StartMenuFolder + "\\website.Lnk"),
        (Link{{"Path", "http://www.korvane.example/pictoro"}, {"Arguments", ""}, {"Description", "Pictoro Website"}}));
    EXPECT_EQ(
        ReadLink(Desktop + "\\Pictoro.Lnk"),
        (Link{{"Path", exe}, {"Arguments", ""}, {"Description", "Pictoro"}, {"IconPath", exe}, {"IconIndex", "0"}}));
}

TEST_F(RunsTest, RefusedStartMenuFolderSkipsItsLinksOnly) {
    vw::SetSpecialFolder(platform::CsidlPrograms, Programs, std::int32_t(0x80070005));
    std::vector<std::uint32_t> positions = Install();
    EXPECT_EQ(positions.back(), Share(99));
    EXPECT_FALSE(Exists(StartMenuFolder));
    EXPECT_TRUE(Exists(Desktop + "\\Pictoro.Lnk"));
    EXPECT_TRUE(Exists(Installed + "Pictoro.Dat"));
}

TEST_F(RunsTest, FailingLinkObjectStopsTheInstallationBeforeTheDataFile) {
    vw::SetShellLinkFailure(std::int32_t(0x80040154));
    std::vector<std::uint32_t> positions;
    EXPECT_THROW(RunInstallation({{Installed, "C:\\Images\\", 4}, false, 0},
                                 [&](std::uint32_t position) { positions.push_back(position); }),
                 EOleSysError);
    EXPECT_EQ(positions.back(), AfterExecutable);
    EXPECT_TRUE(ExecutableIsTheImage(Installed + "Pictoro.Exe"));
    EXPECT_FALSE(Exists(Installed + "Pictoro.Dat"));
}

TEST_F(RunsTest, UpgradeCreatesAMissingDirectoryAndReportsTheMaximumOnceMore) {
    std::vector<std::uint32_t> positions;
    RunUpgrade("D:\\Apps\\Pictoro\\", [&](std::uint32_t position) { positions.push_back(position); });
    ASSERT_EQ(positions.size(), PayloadSize / PayloadBlockSize + 2);
    EXPECT_EQ(std::vector<std::uint32_t>(positions.end() - 2, positions.end()),
              (std::vector<std::uint32_t>{AfterExecutable, PayloadSize}));
    EXPECT_EQ(UpgradeRunMaximum, std::uint32_t(PayloadSize));
    EXPECT_TRUE(ExecutableIsTheImage("D:\\Apps\\Pictoro\\Pictoro.Exe"));
    EXPECT_EQ(ListDir("D:\\Apps\\Pictoro"), (std::vector<std::string>{"Pictoro.Exe"}));
}

TEST_F(RunsTest, SearchKeepsTheUpgradableDataFilesOfTheFixedDisksSorted) {
    MakeFile("D:\\Pictoro\\Pictoro.Dat", "\x01");
    MakeFile("C:\\zeta\\Pictoro.Dat", "\x1F\x56");
    MakeFile("C:\\Alpha\\Pictoro.Dat", std::string("\0s", 2));
    MakeFile("C:\\Newer\\Pictoro.Dat", "\x03");
    MakeFile("C:\\Empty\\Pictoro.Dat");
    MapDrive('E', platform::DriveRemovable);
    MakeFile("E:\\Pictoro\\Pictoro.Dat", std::string(1, '\0'));
    std::vector<int> percents;
    EXPECT_EQ(
        FindUpgradableDataFiles([&](std::uint8_t percent) { percents.push_back(percent); }),
        (std::vector<std::string>{"C:\\Alpha\\Pictoro.Dat", "C:\\zeta\\Pictoro.Dat", "D:\\Pictoro\\Pictoro.Dat"}));
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.back(), 100);
}

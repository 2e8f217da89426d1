#include "VirtualDisk.h"

#include <map>

#include "datafile/LIB_DataFileReader.h"
#include "datafile/LIB_RandomSource.h"
#include "datafile/PB_Pictoro_DAT.h"
#include "datafile/PB_SiteDirectory.h"
#include "datafile/Web_Endpoints.h"
#include "platform/headless/VirtualWindows.h"

namespace {

const std::string DataFile = "C:\\Pictoro\\Pictoro.Dat";

class InitialDataFile : public VirtualDisk {
protected:
    void SetUp() override {
        VirtualDisk::SetUp();
        ASSERT_TRUE(platform::CreateDir("C:\\Pictoro"));
    }

    TDataFileContent WriteAndRead(int connectionKind = 3) {
        WriteInitialDataFile(DataFile, {"C:\\Pictoro\\", "D:\\Pictures", connectionKind}, 1234567,
                             [this](unsigned position) { progress_.push_back(position); });
        return ReadDataFile(DataFile);
    }

    std::vector<unsigned> progress_;
};

std::size_t CountNamesEndingIn(const std::vector<TNamedSetting>& settings, const std::string& suffix) {
    std::size_t n = 0;
    for (const auto& [name, value] : settings)
        n += name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
    return n;
}

std::map<std::string, std::string> FirstValues(const std::vector<TNamedSetting>& settings) {
    std::map<std::string, std::string> values;
    for (const auto& [name, value] : settings) values.emplace(name, value);
    return values;
}

} // namespace

TEST_F(InitialDataFile, HeaderAndFixedFieldsCarryTheChoicesAndDefaults) {
    const TDataFileContent content = WriteAndRead();
    EXPECT_EQ(content.FormatVersion, 0);
    EXPECT_GE(content.KeySeedLength, 879u);
    EXPECT_LE(content.KeySeedLength, 977u);
    EXPECT_EQ(content.DownloadDir, "D:\\Pictures");
    EXPECT_EQ(content.CacheDir, "C:\\Pictoro\\Cache\\");
    EXPECT_EQ(content.DownloadLocation1, "http://www.korvane.example/Install_Pictoro.exe");
    EXPECT_EQ(content.DownloadLocation2, "http://home.webspace.example/~korvane/Install_Pictoro.exe");
    EXPECT_EQ(content.Threads, 27);
    EXPECT_EQ(content.MaxSpeed, 0);
    EXPECT_EQ(content.RemSetPath1, "http://home.webspace.example/~korvane/REMSET/");
    EXPECT_EQ(content.RemSetPath2, "http://www.korvane.example/REMSET/");
    EXPECT_EQ(content.RemSetPath3, "");
    EXPECT_EQ(content.RemSetFile, "pictoro.rms");
    EXPECT_EQ(content.RemSetDelay, 10);
    EXPECT_EQ(content.RemSetInterval, 7200);
    EXPECT_EQ(content.RemSetRetryInterval, 15);
    EXPECT_EQ(content.RemSetSuspendedTill, 0.0);
    EXPECT_EQ(content.SecondDateTime, 0.0);
    EXPECT_EQ(content.LastField, 10);

    // The fixed fields hold what their named settings say.
    const auto values = FirstValues(content.Settings);
    EXPECT_EQ(values.at("RemSetPath1"), content.RemSetPath1);
    EXPECT_EQ(values.at("RemSetPath2"), content.RemSetPath2);
    EXPECT_EQ(values.at("RemSetPath3"), content.RemSetPath3);
    EXPECT_EQ(values.at("RemSetFile"), content.RemSetFile);
    EXPECT_EQ(values.at("RemSetDelay"), std::to_string(content.RemSetDelay));
    EXPECT_EQ(values.at("RemSetInterval"), std::to_string(content.RemSetInterval));
    EXPECT_EQ(values.at("RemSetRetryInterval"), std::to_string(content.RemSetRetryInterval));
    EXPECT_EQ(values.at("PathDownloadLocation1"), content.DownloadLocation1);
    EXPECT_EQ(values.at("PathDownloadLocation2"), content.DownloadLocation2);
}

TEST_F(InitialDataFile, HoldsThe679NamedSettingsInOrder) {
    const TDataFileContent content = WriteAndRead();
    ASSERT_EQ(content.Settings.size(), 679u);
    EXPECT_EQ(content.Settings, DefaultSettings());

    const std::vector<TNamedSetting> general = {
        {"RemSetFile", "pictoro.rms"},
        {"PathDownloadLocation2", "http://home.webspace.example/~korvane/Install_Pictoro.exe"},
        {"PathDownloadLocation1", "http://www.korvane.example/Install_Pictoro.exe"},
        {"CntUsePath", "http://count.tallyhost.example/TEL/PICTORO/GEBRUIK/PTUSE"},
        {"CntSuspendedTill", "01/01/1900"},
        {"CntUseTreshold", "120"},
        {"RemSetDelay", "10"},
        {"RemSetInterval", "7200"},
        {"RemSetPath1", "http://home.webspace.example/~korvane/REMSET/"},
        {"RemSetPath2", "http://www.korvane.example/REMSET/"},
        {"RemSetPath3", ""},
        {"RemSetRetryInterval", "15"},
        {"RemSetSuspendedTill", "01/01/1900"},
        {"CntInstallPath", "http://count.tallyhost.example/TEL/PICTORO/INSTALL/PTINS"},
        {"VerLatestVersion", "1.7"},
    };
    EXPECT_EQ(std::vector<TNamedSetting>(content.Settings.begin(), content.Settings.begin() + 15), general);

    EXPECT_EQ(content.Settings[15], TNamedSetting("RMSDIR01_Group", "Anime"));
    EXPECT_EQ(content.Settings[16].first, "RMSDIR0101_URL");
    EXPECT_EQ(content.Settings[23].first, "RMSDIR0101_Blocked");
    for (std::size_t i = 23; i < 23 + 22; ++i) EXPECT_EQ(content.Settings[i].first, "RMSDIR0101_Blocked") << i;
    EXPECT_EQ(content.Settings[45].first, "RMSDIR0102_URL");
    EXPECT_EQ(content.Settings.back().first, "RMSDIR1313_Description2");

    EXPECT_EQ(CountNamesEndingIn(content.Settings, "_Group"), 13u);
    EXPECT_EQ(CountNamesEndingIn(content.Settings, "_URL"), 84u);
    EXPECT_EQ(CountNamesEndingIn(content.Settings, "_Blocked"), 63u);
}

TEST_F(InitialDataFile, SiteDirectoryHasTheGroupsSitesAndLimits) {
    const std::vector<std::pair<std::string, std::size_t>> groups = {
        {"Anime", 4},        {"Architecture", 2}, {"Bikini", 3},    {"Cars", 4},        {"Celebrities", 11},
        {"Fantasy", 4},      {"Nature", 3},       {"Paintings", 7}, {"Photography", 6}, {"Russian brides", 9},
        {"The Universe", 8}, {"Wallpapers", 10},  {"XXX Adult", 13}};
    const auto values = FirstValues(DefaultSettings());
    ASSERT_EQ(SiteDirectory().size(), groups.size());
    std::size_t ownHost = 0, elsewhere = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::string gg = (g < 9 ? "0" : "") + std::to_string(g + 1);
        EXPECT_EQ(values.at("RMSDIR" + gg + "_Group"), groups[g].first);
        const auto& sites = SiteDirectory()[g].Sites;
        ASSERT_EQ(sites.size(), groups[g].second) << groups[g].first;
        for (const TSiteEntry& site : sites) {
            EXPECT_TRUE(site.Host.ends_with(".example")) << site.Host;
            for (const std::string& prefix : site.Blocked) {
                EXPECT_EQ(prefix.find("://"), std::string::npos);
                (prefix.rfind(site.Host + "/", 0) == 0 ? ownHost : elsewhere)++;
            }
        }
    }
    EXPECT_EQ(ownHost, 59u);
    EXPECT_EQ(elsewhere, 4u);

    EXPECT_EQ(values.at("RMSDIR0101_Description1"), "This site gives a lot but requires some waiting");
    EXPECT_EQ(values.at("RMSDIR0101_URL"), "http://www.animegallery.example");
    EXPECT_EQ(values.at("RMSDIR0101_Title"), "Animegallery.example");
    EXPECT_EQ(values.at("RMSDIR1003_MinImageSize"), "10");
    EXPECT_EQ(values.at("RMSDIR1004_MinWidth"), "250");
    EXPECT_EQ(values.at("RMSDIR1210_MinWidth"), "1000");
    EXPECT_EQ(values.at("RMSDIR1210_MinHeight"), "300");
    EXPECT_EQ(values.at("RMSDIR1201_Description1"), "Large collection of wallpapers. ");
    EXPECT_EQ(values.at("RMSDIR1207_Description1"), "Hughe collection of wallpapers. ");
    EXPECT_EQ(values.at("RMSDIR1208_Description2"),
              "You could use the sitemap to block out those groups you don't want. ");
    EXPECT_FALSE(values.at("RMSDIR1306_Description1").empty());
    for (const std::string site : {"0102", "0402", "0805", "1313"}) {
        EXPECT_EQ(values.at("RMSDIR" + site + "_MinImageSize"), "20");
        EXPECT_EQ(values.at("RMSDIR" + site + "_MinWidth"), "300");
        EXPECT_EQ(values.at("RMSDIR" + site + "_Description1"), "");
        EXPECT_EQ(values.count("RMSDIR" + site + "_Blocked"), 0u);
    }
    EXPECT_EQ(SiteTitle("www.nasaimages.example"), "Nasaimages.example");
    EXPECT_EQ(SiteTitle("gallery.example"), "Gallery.example");
}

TEST_F(InitialDataFile, EndsWithThreeEndMarkers) {
    WriteAndRead(); // leaves KeyTable as the reader ended with it
    const std::string bytes = ReadFile(DataFile);
    const auto key = static_cast<std::uint8_t>(KeyTable[16]);
    const std::string marker = key < 32 ? Bytes({31, key + 84}) : Bytes({key});
    EXPECT_EQ(bytes.substr(bytes.size() - 3 * marker.size()), marker + marker + marker);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0]), 31); // version 0, escaped
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[1]), 84);
    for (const char c : bytes) ASSERT_GE(static_cast<std::uint8_t>(c), 31);
}

TEST_F(InitialDataFile, ThreadsFollowTheConnectionKind) {
    const std::map<int, int> threads = {{-1, 20}, {0, 5}, {1, 8}, {2, 12}, {3, 27}, {4, 30}, {5, 20}, {6, 20}};
    for (const auto& [kind, expected] : threads) EXPECT_EQ(WriteAndRead(kind).Threads, expected) << kind;
}

TEST_F(InitialDataFile, ReportsTheGivenPositionTwice) {
    WriteAndRead();
    EXPECT_EQ(progress_, (std::vector<unsigned>{1234567, 1234567}));
}

TEST_F(InitialDataFile, TwoWritesDifferInBytesButNotInContent) {
    const TDataFileContent first = WriteAndRead();
    const std::string firstBytes = ReadFile(DataFile);
    const TDataFileContent second = WriteAndRead();
    EXPECT_NE(ReadFile(DataFile), firstBytes);
    EXPECT_EQ(second.Settings, first.Settings);
    EXPECT_EQ(second.DownloadDir, first.DownloadDir);
    EXPECT_EQ(second.RemSetPath1, first.RemSetPath1);

    SeedRandomSource(42);
    WriteAndRead();
    const std::string seeded = ReadFile(DataFile);
    SeedRandomSource(42);
    WriteAndRead();
    EXPECT_EQ(ReadFile(DataFile), seeded);
}

TEST_F(InitialDataFile, FailedWriteLeavesNoDataFileBehind) {
    platform::headless::InjectFault("\\Pictoro.Dat.tmp", platform::headless::Fault::DiskFull, 5000);
    try {
        WriteAndRead();
        FAIL() << "the write succeeded";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, platform::ioDiskFull);
    }
    EXPECT_FALSE(platform::FileExists(DataFile));
    EXPECT_FALSE(platform::FileExists(TemporaryFileFor(DataFile)));
    EXPECT_EQ(DataWriter, nullptr);
    EXPECT_TRUE(progress_.empty());
}

TEST_F(InitialDataFile, FailedWriteLeavesAnEarlierDataFileUnchanged) {
    MakeFile(DataFile, "earlier content");
    platform::headless::InjectFault("\\Pictoro.Dat.tmp", platform::headless::Fault::DiskFull, 20000);
    EXPECT_THROW(WriteAndRead(), EInOutError);
    EXPECT_EQ(ReadFile(DataFile), "earlier content");
    EXPECT_FALSE(platform::FileExists(TemporaryFileFor(DataFile)));

    platform::headless::ClearFaults();
    platform::headless::InjectFault("\\Pictoro.Dat", platform::headless::Fault::InUse);
    try {
        WriteAndRead();
        FAIL() << "the write succeeded";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, platform::ioSharingViolation);
    }
    EXPECT_EQ(ReadFile(DataFile), "earlier content");
    EXPECT_FALSE(platform::FileExists(TemporaryFileFor(DataFile)));

    platform::headless::ClearFaults();
    EXPECT_EQ(WriteAndRead().Settings.size(), 679u); // a clean write replaces it
}

TEST_F(InitialDataFile, UnwritableDirectoryRaisesTheCreateError) {
    platform::headless::InjectFault("\\Pictoro.Dat.tmp", platform::headless::Fault::AccessDenied);
    try {
        WriteAndRead();
        FAIL() << "the write succeeded";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, platform::ioAccessDenied);
    }
    EXPECT_FALSE(platform::FileExists(DataFile));
}

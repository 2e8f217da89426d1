#include "datafile/PB_Pictoro_DAT.h"

#include "datafile/LIB_Data1_ReadWrite.h"
#include "datafile/LIB_TextPacker.h"
#include "datafile/PB_SiteDirectory.h"
#include "datafile/Web_Endpoints.h"
#include "platform/Platform.h"

namespace {

constexpr std::uint8_t MarkerEnd = 0;
constexpr std::uint8_t MarkerPerformance = 43;
constexpr std::uint8_t MarkerSystem = 11;
constexpr std::uint8_t MarkerRemoteSettings = 203;
constexpr std::uint8_t MarkerSetting = 203;

// The remote-settings values that are both fixed fields and named settings.
const std::string RemSetFile = "pictoro.rms";
constexpr int RemSetDelay = 10;
constexpr int RemSetInterval = 7200;
constexpr int RemSetRetryInterval = 15;
// The last fixed field, which no named setting mirrors.
constexpr int LastFixedRemoteField = 10;

std::string PathDownloadLocation1() {
    return std::string(MakerSiteAddress) + "/Install_Pictoro.exe";
}
std::string PathDownloadLocation2() {
    return std::string(MirrorSpaceAddress) + "/~korvane/Install_Pictoro.exe";
}
std::string RemSetPath1() {
    return std::string(MirrorSpaceAddress) + "/~korvane/REMSET/";
}
std::string RemSetPath2() {
    return std::string(MakerSiteAddress) + "/REMSET/";
}
const std::string RemSetPath3;

std::string TwoDigits(std::size_t n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

void AddGeneralSettings(std::vector<TNamedSetting>& settings) {
    // clang-format off
    settings.insert(settings.end(), {
        {"RemSetFile", RemSetFile},
        {"PathDownloadLocation2", PathDownloadLocation2()},
        {"PathDownloadLocation1", PathDownloadLocation1()},
        {"CntUsePath", std::string(CounterHostAddress) + "/TEL/PICTORO/GEBRUIK/PTUSE"},
        {"CntSuspendedTill", "01/01/1900"},
        {"CntUseTreshold", "120"},
        {"RemSetDelay", std::to_string(RemSetDelay)},
        {"RemSetInterval", std::to_string(RemSetInterval)},
        {"RemSetPath1", RemSetPath1()},
        {"RemSetPath2", RemSetPath2()},
        {"RemSetPath3", RemSetPath3},
        {"RemSetRetryInterval", std::to_string(RemSetRetryInterval)},
        {"RemSetSuspendedTill", "01/01/1900"},
        {"CntInstallPath", std::string(CounterHostAddress) + "/TEL/PICTORO/INSTALL/PTINS"},
        {"VerLatestVersion", "1.7"},
    });
    // clang-format on
}

void AddSite(std::vector<TNamedSetting>& settings, const std::string& prefix, const TSiteEntry& site) {
    // clang-format off
    settings.insert(settings.end(), {
        {prefix + "_URL", "http://" + site.Host},
        {prefix + "_Title", SiteTitle(site.Host)},
        {prefix + "_MinImageSize", std::to_string(site.MinImageSize)},
        {prefix + "_MinWidth", std::to_string(site.MinWidth)},
        {prefix + "_MinHeight", std::to_string(site.MinHeight)},
        {prefix + "_Description1", site.Description1},
        {prefix + "_Description2", site.Description2},
    });
    // clang-format on
    for (const std::string& blocked : site.Blocked) settings.emplace_back(prefix + "_Blocked", blocked);
}

void AddSiteDirectory(std::vector<TNamedSetting>& settings) {
    const auto& groups = SiteDirectory();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::string group = "RMSDIR" + TwoDigits(g + 1);
        settings.emplace_back(group + "_Group", groups[g].Name);
        for (std::size_t s = 0; s < groups[g].Sites.size(); ++s)
            AddSite(settings, group + TwoDigits(s + 1), groups[g].Sites[s]);
    }
}

void WriteFixedRemoteFields(platform::TextFile& file) {
    for (const std::string& text : {RemSetPath1(), RemSetPath2(), RemSetPath3, RemSetFile})
        DataWriter->WriteRawString(file, PackText(text));
    DataWriter->WriteInteger(file, RemSetDelay);
    DataWriter->WriteInteger(file, RemSetInterval);
    DataWriter->WriteInteger(file, RemSetRetryInterval);
    DataWriter->WriteDateTime(file, 0); // RemSetSuspendedTill: no date
    DataWriter->WriteDateTime(file, 0); // a second date, no named setting of its own
    DataWriter->WriteInteger(file, LastFixedRemoteField);
}

// The whole content of the data file, from the version byte to the closing end marker.
void WriteContent(platform::TextFile& file, TLibData1_ReadWrite& writer, const TWizardChoices& choices,
                  unsigned progress, const std::function<void(unsigned)>& setProgress) {
    writer.WriteByte(file, 0); // format version
    std::string seed;
    MakeKeySeed(KeyTable, seed);
    writer.WriteKeySeed(file, seed);
    writer.WriteString(file, choices.DownloadDir);
    writer.WriteString(file, choices.InstallDir + "Cache\\");
    writer.WriteString(file, PathDownloadLocation1());
    writer.WriteString(file, PathDownloadLocation2());

    DataWriter = &writer;
    writer.WriteMarker(file, MarkerPerformance);
    writer.WriteInteger(file, ThreadsForConnection(choices.ConnectionKind));
    writer.WriteInteger(file, 0); // no maximum speed
    writer.WriteMarker(file, MarkerSystem);
    WriteDefaultSettings(file);
    setProgress(progress);
    writer.WriteMarker(file, MarkerEnd); // end of the system list
    setProgress(progress);
    writer.WriteMarker(file, MarkerEnd); // end of the top-level list
}

// Closes a channel that failed, ignoring what the close reports.
void Abandon(platform::TextFile& file) {
    if (file.IsOpen()) {
        file.Close();
        file.IOResult();
    }
}

} // namespace

std::vector<TNamedSetting> DefaultSettings() {
    std::vector<TNamedSetting> settings;
    AddGeneralSettings(settings);
    AddSiteDirectory(settings);
    return settings;
}

void WritePair(platform::TextFile& file, const std::string& name, const std::string& value) {
    DataWriter->WriteMarker(file, MarkerSetting);
    DataWriter->WriteString(file, name);
    DataWriter->WriteString(file, value);
}

void WriteDefaultSettings(platform::TextFile& file) {
    DataWriter->WriteMarker(file, MarkerRemoteSettings);
    WriteFixedRemoteFields(file);
    for (const auto& [name, value] : DefaultSettings()) WritePair(file, name, value);
    DataWriter->WriteMarker(file, MarkerEnd);
}

int ThreadsForConnection(int connectionKind) {
    switch (connectionKind) {
    case 0: return 5;
    case 1: return 8;
    case 2: return 12;
    case 3: return 27;
    case 4: return 30;
    default: return 20;
    }
}

std::string TemporaryFileFor(const std::string& fileName) {
    return fileName + ".tmp";
}

void WriteInitialDataFile(const std::string& fileName, const TWizardChoices& choices, unsigned progressPosition,
                          const std::function<void(unsigned)>& setProgress) {
    const std::string temporary = TemporaryFileFor(fileName);
    platform::TextFile file;
    TLibData1_ReadWrite writer;
    try {
        file.Assign(temporary);
        file.Rewrite();
        platform::IOCheck(file);
        WriteContent(file, writer, choices, progressPosition, setProgress);
        DataWriter = nullptr;
        file.Close();
        platform::IOCheck(file);
    } catch (...) {
        DataWriter = nullptr;
        Abandon(file);
        platform::DeleteFileAt(temporary);
        throw;
    }
    if (const int code = platform::ReplaceFileWith(temporary, fileName); code != platform::ioOK) {
        platform::DeleteFileAt(temporary);
        throw EInOutError(code);
    }
}

#include "datafile/LIB_DataFileReader.h"

#include "datafile/LIB_Data1_ReadWrite.h"
#include "datafile/LIB_TextPacker.h"
#include "platform/TextFile.h"

namespace {

class TDataFileParser {
public:
    explicit TDataFileParser(platform::TextFile& file) : file_(file) {}

    TDataFileContent Parse() {
        TDataFileContent content;
        ReadStart(content);
        ReadHeader(content);
        ExpectMarker(43, "the performance record");
        content.Threads = Expect("the number of threads", [&] { return reader_.ReadInteger(file_); });
        content.MaxSpeed = Expect("the maximum speed", [&] { return reader_.ReadInteger(file_); });
        ExpectMarker(11, "the system record");
        ExpectMarker(203, "the remote-settings list");
        ReadFixedFields(content);
        ReadSettings(content);
        ExpectMarker(0, "the end of the system record");
        ExpectMarker(0, "the end of the top-level list");
        ExpectEndOfFile();
        return content;
    }

private:
    template <class Read>
    auto Expect(const std::string& what, Read read) -> decltype(read()) {
        try {
            return read();
        } catch (const EDataFileFormat& e) {
            throw EDataFileFormat("expected " + what + ", found " + e.Problem, e.Offset);
        }
    }

    void ReadStart(TDataFileContent& content) {
        content.FormatVersion = Expect("the format version", [&] { return reader_.ReadCheckedByte(file_); });
        if (content.FormatVersion != 0)
            throw EDataFileFormat("expected format version 0, found version " + std::to_string(content.FormatVersion),
                                  0);
        const std::uint64_t start = reader_.Position();
        const std::string seed = Expect("the key seed", [&] { return reader_.ReadKeySeed(file_); });
        if (seed.size() < KeySeedMinLength || seed.size() > KeySeedMaxLength)
            throw EDataFileFormat(
                "expected a key seed of 879 to 977 bytes, found one of " + std::to_string(seed.size()) + " bytes",
                start);
        for (const char c : seed)
            if (static_cast<std::uint8_t>(c) < KeySeedMinByte || static_cast<std::uint8_t>(c) > KeySeedMaxByte)
                throw EDataFileFormat("expected key seed bytes 14 to 253, found byte " +
                                          std::to_string(static_cast<std::uint8_t>(c)) + " in the seed",
                                      start);
        content.KeySeedLength = seed.size();
        KeyTable = DeriveKeyTable(seed);
    }

    void ReadHeader(TDataFileContent& content) {
        content.DownloadDir = ExpectString("the download directory");
        content.CacheDir = ExpectString("the cache directory");
        content.DownloadLocation1 = ExpectString("the first download location");
        content.DownloadLocation2 = ExpectString("the second download location");
    }

    void ReadFixedFields(TDataFileContent& content) {
        content.RemSetPath1 = ExpectPacked("the packed RemSetPath1");
        content.RemSetPath2 = ExpectPacked("the packed RemSetPath2");
        content.RemSetPath3 = ExpectPacked("the packed RemSetPath3");
        content.RemSetFile = ExpectPacked("the packed RemSetFile");
        content.RemSetDelay = Expect("RemSetDelay", [&] { return reader_.ReadInteger(file_); });
        content.RemSetInterval = Expect("RemSetInterval", [&] { return reader_.ReadInteger(file_); });
        content.RemSetRetryInterval = Expect("RemSetRetryInterval", [&] { return reader_.ReadInteger(file_); });
        content.RemSetSuspendedTill = Expect("RemSetSuspendedTill", [&] { return reader_.ReadDateTime(file_); });
        content.SecondDateTime = Expect("the second date-time field", [&] { return reader_.ReadDateTime(file_); });
        content.LastField = Expect("the last fixed field", [&] { return reader_.ReadInteger(file_); });
    }

    void ReadSettings(TDataFileContent& content) {
        for (;;) {
            const std::string number = std::to_string(content.Settings.size() + 1);
            const std::uint8_t marker = Expect("the marker of setting " + number + " or the end of the list",
                                               [&] { return reader_.ReadMarker(file_); });
            if (marker == 0) return; // the end of the remote-settings list
            std::string name = ExpectString("the name of setting " + number);
            std::string value = ExpectString("the value of setting " + number + " " + QuotedForMessage(name));
            content.Settings.emplace_back(std::move(name), std::move(value));
        }
    }

    std::string ExpectString(const std::string& what) {
        return Expect(what, [&] { return reader_.ReadString(file_); });
    }

    std::string ExpectPacked(const std::string& what) {
        const std::uint64_t start = reader_.Position();
        const std::string packed = Expect(what, [&] { return reader_.ReadRawString(file_); });
        const auto text = UnpackText(packed);
        if (!text) throw EDataFileFormat("expected " + what + ", found bytes that are no packed text", start);
        return *text;
    }

    void ExpectMarker(std::uint8_t marker, const std::string& what) {
        const std::uint64_t start = reader_.Position();
        const std::string expected = "marker " + std::to_string(marker) + " (" + what + ")";
        const std::uint8_t found = Expect(expected, [&] { return reader_.ReadMarker(file_); });
        if (found != marker)
            throw EDataFileFormat("expected " + expected + ", found marker " + std::to_string(found), start);
    }

    void ExpectEndOfFile() {
        const std::uint64_t start = reader_.Position();
        const bool atEnd = file_.Eof();
        platform::IOCheck(file_);
        if (!atEnd)
            throw EDataFileFormat("expected the end of the file, found byte " + std::to_string(file_.Read()), start);
    }

    platform::TextFile& file_;
    TLibData1_ReadWrite reader_;
};

} // namespace

TDataFileContent ReadDataFile(const std::string& path) {
    platform::TextFile file;
    file.Assign(path);
    file.Reset();
    platform::IOCheck(file);
    TDataFileContent content = TDataFileParser(file).Parse();
    file.Close();
    platform::IOCheck(file);
    return content;
}

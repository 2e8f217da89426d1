#include "engine/LIB_FindFiles.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "platform/Platform.h"
#include "platform/Strings.h"

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return platform::AnsiCompareText(a, b) < 0;
}

std::int32_t RoundHalfEven(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

bool DriveKindIncludes(std::uint8_t kind, int driveType) {
    using namespace platform;
    switch (driveType) {
    case DriveFixed: return kind >= 1 && kind <= 3;
    case DriveRemovable:
    case DriveRamdisk: return kind == 2 || kind == 3;
    case DriveRemote:
    case DriveCdrom: return kind == 3;
    default: return false;
    }
}

std::vector<std::string> DriveRoots(std::uint8_t kind) {
    std::vector<std::string> roots;
    if (kind == 0) {
        roots.push_back(platform::GetCurrentDir().substr(0, 3));
        return roots;
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string root = std::string(1, letter) + ":\\";
        if (DriveKindIncludes(kind, platform::GetDriveTypeA(root))) roots.push_back(root);
    }
    return roots;
}

// The ";"-separated parts of text, blanks trimmed, empty parts dropped.
std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> parts;
    std::string rest = Trim(text) + ";";
    for (std::size_t end = rest.find(';'); end != std::string::npos; end = rest.find(';')) {
        std::string part = Trim(rest.substr(0, end));
        if (!part.empty()) parts.push_back(std::move(part));
        rest.erase(0, end + 1);
    }
    return parts;
}

bool IsDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

// A mask without wildcards names a single entry, which the folder's listing already holds.
// A trailing dot or blank is left to the system, which strips it.
bool IsPlainName(const std::string& mask) {
    return mask.find_first_of("*?") == std::string::npos && mask.back() != '.' && mask.back() != ' ';
}

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerCase(x) == LowerCase(y); });
}

// One search: the parsed masks, the callbacks and the result with its duplicate index.
class Search {
public:
    Search(std::vector<std::string> masks, const TFindProgressEvent& onProgress, const TAcceptFileEvent& onAccept)
        : masks_(std::move(masks)), onProgress_(onProgress), onAccept_(onAccept) {}

    void Report(std::int32_t millionths) {
        if (onProgress_) onProgress_(static_cast<std::uint8_t>(millionths / 10000));
    }

    void SearchDir(const std::string& dir, std::int32_t lo, std::int32_t hi);

    std::vector<std::string> TakeResult() { return std::move(result_); }

private:
    void AddMatches(const std::string& dir, const std::string& mask, const std::vector<platform::DirEntry>& listing);
    void AddFoundFile(const std::string& path, const std::string& name);

    std::vector<std::string> masks_;
    const TFindProgressEvent& onProgress_;
    const TAcceptFileEvent& onAccept_;
    std::vector<std::string> result_;
    std::unordered_set<std::string> lowerCaseResult_;
};

void Search::SearchDir(const std::string& dir, std::int32_t lo, std::int32_t hi) {
    std::int32_t position = lo;
    std::int32_t budget = hi - lo;
    const std::vector<platform::DirEntry> listing = platform::FindEntries(dir + "*.*");
    for (const std::string& mask : masks_) AddMatches(dir, mask, listing);

    for (const platform::DirEntry& entry : listing) {
        bool isDirectory = entry.Attributes & platform::faDirectory;
        bool skipped = entry.Attributes & (platform::faHidden | platform::faReparsePoint);
        if (!isDirectory || skipped || IsDotEntry(entry.Name)) continue;
        std::int32_t start = position;
        std::int32_t step = budget / 8;
        position += step;
        budget -= step;
        if (position > hi) position = hi;
        SearchDir(dir + entry.Name + "\\", start, position);
    }
    Report(hi);
}

// The entries of dir that match the mask, in the order the system lists them.
void Search::AddMatches(const std::string& dir, const std::string& mask,
                        const std::vector<platform::DirEntry>& listing) {
    if (!IsPlainName(mask)) {
        for (const platform::DirEntry& entry : platform::FindEntries(dir + mask))
            AddFoundFile(dir + entry.Name, entry.Name);
        return;
    }
    for (const platform::DirEntry& entry : listing)
        if (SameName(entry.Name, mask)) AddFoundFile(dir + entry.Name, entry.Name);
}

void Search::AddFoundFile(const std::string& path, const std::string& name) {
    if (IsDotEntry(name)) return;
    std::string lower = LowerCase(path);
    if (lowerCaseResult_.contains(lower)) return;
    if (onAccept_ && !onAccept_(path)) return;
    result_.push_back(path);
    lowerCaseResult_.insert(std::move(lower));
}

std::vector<std::string> ParseMasks(const std::string& masks) {
    std::vector<std::string> parsed = SplitList(masks);
    for (std::string& mask : parsed)
        if (mask == "*") mask = "*.*";
    if (parsed.empty()) parsed.push_back("*.*");
    return parsed;
}

std::vector<std::string> CollectRoots(std::uint8_t driveKind, const std::string& startDirs) {
    std::vector<std::string> roots = DriveRoots(driveKind);
    for (std::string dir : SplitList(startDirs)) {
        if (dir.back() != '\\') dir += '\\';
        roots.push_back(std::move(dir));
    }
    return roots;
}

} // namespace

std::vector<std::string> FindFiles(const std::string& Masks, std::uint8_t DriveKind, const std::string& StartDirs,
                                   const TFindProgressEvent& OnProgress, const TAcceptFileEvent& OnAcceptFile) {
    Search search(ParseMasks(Masks), OnProgress, OnAcceptFile);
    std::vector<std::string> roots = CollectRoots(DriveKind, StartDirs);
    search.Report(10000);
    const double n = static_cast<double>(roots.size());
    for (std::size_t i = 1; i <= roots.size(); ++i) {
        std::int32_t lo = RoundHalfEven(998000.0 / n * static_cast<double>(i - 1)) + 1000;
        std::int32_t hi = RoundHalfEven(998000.0 / n * static_cast<double>(i));
        search.SearchDir(roots[i - 1], lo, hi);
    }
    search.Report(999000);
    std::vector<std::string> result = search.TakeResult();
    std::sort(result.begin(), result.end(), LessIgnoringCase);
    search.Report(1000000);
    return result;
}

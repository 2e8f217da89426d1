// The directory list and the drive selector over the platform's file system.
#include "toolkit/FileCtrl.h"

#include <algorithm>
#include <cctype>

#include "platform/Platform.h"
#include "platform/Strings.h"

namespace {

char Upper(char c) {
    return char(std::toupper(static_cast<unsigned char>(c)));
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
        std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Upper(x) == Upper(y); });
}

bool IsRoot(const std::string& dir) {
    return dir.size() == 3 && dir[1] == ':' && dir[2] == '\\';
}

// "C:" and "C:\" are the root; other directories lose a trailing backslash.
std::string NormalDirectory(std::string dir) {
    if (dir.size() == 2 && dir[1] == ':') return dir + "\\";
    while (dir.size() > 3 && dir.back() == '\\') dir.pop_back();
    return dir;
}

std::string ParentOf(const std::string& dir) {
    const std::size_t slash = dir.find_last_of('\\');
    if (slash == std::string::npos) return dir;
    return slash <= 2 ? dir.substr(0, 3) : dir.substr(0, slash);
}

std::string Child(const std::string& dir, const std::string& name) {
    return IsRoot(dir) ? dir + name : dir + "\\" + name;
}

std::string NearestExisting(std::string dir) {
    while (!IsRoot(dir) && dir.find('\\') != std::string::npos && !platform::DirectoryExists(dir)) dir = ParentOf(dir);
    return dir;
}

std::vector<std::string> Subdirectories(const std::string& dir) {
    std::vector<std::string> names;
    for (const platform::DirEntry& e : platform::FindEntries(Child(dir, "*.*"))) {
        if (!(e.Attributes & platform::faDirectory) || e.Name == "." || e.Name == "..") continue;
        if (e.Attributes & (platform::faHidden | platform::faSysFile)) continue;
        names.push_back(e.Name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return Upper(x) < Upper(y); });
    });
    return names;
}

// "c:", followed by the volume label in brackets where the drive has one. Removable and
// network drives are not asked, so that an empty floppy or a slow share costs nothing.
std::string DriveItem(char letter) {
    const std::string root = std::string(1, letter) + ":\\";
    std::string item = std::string(1, LowerCase(letter)) + ":";
    const int type = platform::GetDriveTypeA(root);
    if (type == platform::DriveRemovable || type == platform::DriveRemote) return item;
    const std::string label = platform::GetVolumeLabel(root);
    if (!label.empty()) item += " [" + label + "]";
    return item;
}

} // namespace

// ---- TDirectoryListBox ----

TDirectoryListBox::TDirectoryListBox(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 145, 97);
    directory_ = NormalDirectory(platform::GetCurrentDir());
}

void TDirectoryListBox::BeforePeerCreated() {
    if (items_.empty()) Refresh();
}

void TDirectoryListBox::SetDirectory(const std::string& directory) {
    if (directory.empty()) return;
    const std::string dir = NormalDirectory(directory);
    if (SameText(dir, directory_)) return;
    const char oldDrive = Drive();
    directory_ = dir;
    Fill(NearestExisting(dir));
    if (DriveCombo && Drive() != oldDrive) DriveCombo->ShowDrive(Drive());
    if (OnChange) OnChange(this);
}

char TDirectoryListBox::Drive() const {
    return directory_.empty() ? 'C' : Upper(directory_[0]);
}

void TDirectoryListBox::SetDrive(char letter) {
    if (Upper(letter) == Drive()) return;
    SetDirectory(std::string(1, Upper(letter)) + ":\\");
}

std::string TDirectoryListBox::ItemPath(int index) const {
    return index >= 0 && index < int(paths_.size()) ? paths_[index] : std::string();
}

void TDirectoryListBox::ItemSelectedByUser(int index) {
    if (index < 0 || index >= int(items_.size())) return;
    itemIndex_ = index;
    Changed(TChange::ItemIndex);
}

void TDirectoryListBox::ItemOpenedByUser(int index) {
    if (index < 0 || index >= int(items_.size())) return;
    itemIndex_ = index;
    SetDirectory(paths_[index]);
    DblClick();
}

void TDirectoryListBox::Refresh() {
    Fill(NearestExisting(directory_));
}

// The open folders from the root down to the shown directory, then its subdirectories.
void TDirectoryListBox::Fill(const std::string& shownDirectory) {
    items_.clear();
    paths_.clear();
    levels_.clear();
    std::vector<std::string> chain;
    for (std::string d = shownDirectory;; d = ParentOf(d)) {
        chain.insert(chain.begin(), d);
        if (IsRoot(d) || ParentOf(d) == d) break;
    }
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const std::string& path = chain[i];
        items_.push_back(i == 0 ? path : path.substr(path.find_last_of('\\') + 1));
        paths_.push_back(path);
        levels_.push_back(int(i));
    }
    itemIndex_ = int(items_.size()) - 1;
    for (const std::string& name : Subdirectories(shownDirectory)) {
        items_.push_back(name);
        paths_.push_back(Child(shownDirectory, name));
        levels_.push_back(int(chain.size()));
    }
    Changed(TChange::Items);
}

// ---- TDriveComboBox ----

TDriveComboBox::TDriveComboBox(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 145, 19);
}

void TDriveComboBox::BeforePeerCreated() {
    if (items_.empty()) Refresh();
}

void TDriveComboBox::SetDirList(TDirectoryListBox* list) {
    if (dirList_) dirList_->DriveCombo = nullptr;
    dirList_ = list;
    if (!list) return;
    list->DriveCombo = this;
    ShowDrive(list->Drive());
}

void TDriveComboBox::SetDrive(char letter) {
    letter = Upper(letter);
    if (letter == drive_) return;
    drive_ = letter;
    Changed(TChange::ItemIndex);
    if (dirList_) dirList_->SetDrive(letter);
    if (OnChange) OnChange(this);
}

int TDriveComboBox::ItemIndex() const {
    const auto found = std::find(letters_.begin(), letters_.end(), drive_);
    return found == letters_.end() ? -1 : int(found - letters_.begin());
}

void TDriveComboBox::DriveSelectedByUser(int index) {
    if (index >= 0 && index < int(letters_.size())) SetDrive(letters_[index]);
}

void TDriveComboBox::Refresh() {
    items_.clear();
    letters_.clear();
    const std::uint32_t drives = platform::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i))) continue;
        const char letter = char('A' + i);
        items_.push_back(DriveItem(letter));
        letters_.push_back(letter);
    }
    Changed(TChange::Items);
}

void TDriveComboBox::ShowDrive(char letter) {
    letter = Upper(letter);
    if (letter == drive_) return;
    drive_ = letter;
    Changed(TChange::ItemIndex);
}

// The directory list and the drive selector bound to it.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Controls.h"

class TDriveComboBox;

// The directories of one drive: the path from the root down to the current directory
// (open folders), then the current directory's subdirectories. Directory() is the
// directory last set; when that does not exist, the list shows the nearest existing
// directory above it. The disk is first read when the list gets its window or a directory.
class TDirectoryListBox : public TWinControl {
public:
    explicit TDirectoryListBox(TComponent* owner);
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& directory); // OnChange when it differs from the current one
    char Drive() const;
    void SetDrive(char letter); // moves to the root of that drive
    int ItemHeight = 16;
    const std::vector<std::string>& Items() const { return items_; } // display names
    const std::vector<int>& ItemLevels() const { return levels_; } // indentation level of each item
    int ItemIndex() const { return itemIndex_; }
    std::string ItemPath(int index) const; // the full directory of an item
    void ItemSelectedByUser(int index); // a click: selects
    void ItemOpenedByUser(int index); // a double-click or Enter: opens (changes Directory), then OnDblClick
    TNotifyEvent OnChange;
    TDriveComboBox* DriveCombo = nullptr; // kept in step by the combo's binding
    void Refresh(); // re-reads the file system

protected:
    void BeforePeerCreated() override;

private:
    void Fill(const std::string& shownDirectory);
    std::string directory_;
    std::vector<std::string> items_;
    std::vector<std::string> paths_;
    std::vector<int> levels_;
    int itemIndex_ = -1;
};

// The machine's drives, first read when the selector gets its window; choosing one moves
// the bound directory list to that drive.
class TDriveComboBox : public TWinControl {
public:
    explicit TDriveComboBox(TComponent* owner);
    TDirectoryListBox* DirList() const { return dirList_; }
    void SetDirList(TDirectoryListBox* list);
    const std::vector<std::string>& Items() const { return items_; } // e.g. "c: [SYSTEM]", "a:"
    char Drive() const { return drive_; }
    void SetDrive(char letter); // also moves the bound list
    int ItemIndex() const;
    void DriveSelectedByUser(int index);
    void Refresh(); // re-reads the drives
    TNotifyEvent OnChange;

protected:
    void BeforePeerCreated() override;

private:
    friend class TDirectoryListBox;
    void ShowDrive(char letter); // without moving the list
    TDirectoryListBox* dirList_ = nullptr;
    std::vector<std::string> items_;
    std::vector<char> letters_;
    char drive_ = 'C';
};

// The layout and the rules that the two directory pages share: a picture, an explanation,
// an edit field with the directory that Next takes, a directory list and a drive selector.
#pragma once

#include <string>

#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/StdCtrls.h"

// The change rule: the directory with a trailing backslash, and the folder word and a
// backslash appended unless the path contains the word anywhere (case ignored).
std::string ProposeDirectory(const std::string& directory, const std::string& folderWord);

class TDirectoryChoice {
public:
    TImage* Image5;
    TStaticText* StaticText1;
    TEdit* Edit1;
    TDirectoryListBox* DirectoryListBox1;
    TDriveComboBox* DriveComboBox1;

    void DirectoryListBox1Change(TObject* Sender);

protected:
    explicit TDirectoryChoice(std::string folderWord) : folderWord_(std::move(folderWord)) {}
    void CreateControls(TWinControl* page);
    // Trims the edit field; refuses a text shorter than 3 characters.
    std::string CheckedEditText();

private:
    std::string folderWord_;
};

// The layout and the rules that the two directory pages share: a picture, an explanation,
// an edit field with the directory that Next takes, a directory list and a drive selector.
#pragma once

#include <string>

#include "pages/DirectoryRules.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/StdCtrls.h"

class TDirectoryChoice {
public:
    TImage* Image5;
    TStaticText* StaticText1;
    TEdit* Edit1;
    TDirectoryListBox* DirectoryListBox1;
    TDriveComboBox* DriveComboBox1;

    void DirectoryListBox1Change(TObject* Sender);

protected:
    // editName: what a screen reader calls the edit field.
    TDirectoryChoice(std::string folderWord, std::string editName)
        : folderWord_(std::move(folderWord)), editName_(std::move(editName)) {}
    void CreateControls(TWinControl* page);
    // Trims the edit field; refuses a text shorter than 3 characters.
    std::string CheckedEditText();

private:
    std::string folderWord_;
    std::string editName_;
};

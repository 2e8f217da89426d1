#include "pages/DirectoryChoice.h"

#include "pages/PageControls.h"
#include "platform/Strings.h"

void TDirectoryChoice::CreateControls(TWinControl* page) {
    Image5 = PlaceImage(page, page, "Image5", 8, 8, 105, 105, "ChooseDir.jpg");
    Image5->SetStretch(true);
    StaticText1 = PlaceStaticText(page, page, "StaticText1", 8, 128, 233, 209, "");
    Edit1 = PlaceControl<TEdit>(page, page, "Edit1", 286, 7, 393, 21);
    DirectoryListBox1 = PlaceControl<TDirectoryListBox>(page, page, "DirectoryListBox1", 286, 31, 393, 273);
    DirectoryListBox1->ItemHeight = 16;
    DirectoryListBox1->OnChange = [this](TObject* Sender) { DirectoryListBox1Change(Sender); };
    DirectoryListBox1->OnDblClick = [this](TObject* Sender) { DirectoryListBox1Change(Sender); };
    DriveComboBox1 = PlaceControl<TDriveComboBox>(page, page, "DriveComboBox1", 286, 311, 393, 19);
    DriveComboBox1->SetDirList(DirectoryListBox1);
    // The page has no label beside them: names for screen readers.
    Edit1->AccessibleName = editName_;
    DirectoryListBox1->AccessibleName = "Folders";
    DriveComboBox1->AccessibleName = "Drive";

    DirectoryListBox1->TabOrder = 0;
    Edit1->TabOrder = 1;
    DriveComboBox1->TabOrder = 2;
    StaticText1->TabOrder = 3;
}

void TDirectoryChoice::DirectoryListBox1Change(TObject*) {
    Edit1->SetText(ProposeDirectory(DirectoryListBox1->Directory(), folderWord_));
}

std::string TDirectoryChoice::CheckedEditText() {
    Edit1->SetText(Trim(Edit1->Text()));
    return CheckedDirectory(Edit1->Text());
}

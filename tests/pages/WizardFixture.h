// The whole wizard on a virtual machine, driven as a user drives it: clicks at the pixels of
// buttons and controls, typing into edits. Drive C: (and D:) are folders of a temporary
// host directory; the special folders lie on C:; the clock steps so slides take no time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "VirtualDrive.h"
#include "shell/Form_Main.h"
#include "toolkit/StdCtrls.h"

class TFramePanel;

class WizardTest : public VirtualDriveTest {
protected:
    static constexpr const char* ProgramFiles = "C:\\Program Files";
    static constexpr const char* StartMenuPrograms = "C:\\Users\\Ann\\Start Menu\\Programs";
    static constexpr const char* Desktop = "C:\\Users\\Ann\\Desktop";

    void SetUp() override;
    void TearDown() override;

    // The page on show, and its name.
    TFramePanel* CurrentPage() const;
    std::string CurrentPageName() const;
    void RequirePage(const std::string& name) const; // throws, so a helper stops the test
    template <class T>
    T& Page() const {
        T* page = dynamic_cast<T*>(CurrentPage());
        if (!page) throw std::runtime_error("another page is showing: " + CurrentPageName());
        return *page;
    }

    // The visible bar buttons' captions, left ones first, then the right ones from the right edge.
    std::vector<std::string> BarCaptions() const;
    TControl* BarButton(const std::string& caption) const; // null if not on the bar
    void ClickButton(const std::string& caption); // fails the test if it is missing
    void ClickControl(const TControl& control);
    void ClickHeader();
    void TypeInto(TEdit& edit, const std::string& text); // click into it, then type over its text

    // Message boxes shown since the last call, as "caption|text".
    std::vector<std::string> TakeBoxes();

    // Through the dialogue pages with the choices below; each stops on the page named.
    void GoToInstallPage(); // "PnlInstall", agreement given
    void GoToChooseDirPage(); // "PnlInstallChooseDir"
    void GoToDownloadDirPage(); // "PNLInstallChooseDownloadDir"
    void GoToConnectionPage(); // "PNLInstallChooseConnection"
    void GoToGoPage(); // "PNLInstallGo"

    bool desktopShortcut_ = true;
    std::string installDirTyped_; // empty: the proposal is taken
    std::string downloadDirTyped_; // likewise
    int connectionItem_ = 4;
    int displayDpi_ = DesignDpi; // where the wizard's window appears
};

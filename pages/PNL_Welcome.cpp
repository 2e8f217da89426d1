#include "pages/PNL_Welcome.h"

#include "pages/PageControls.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

TPnlWelcome::TPnlWelcome(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PnlWelcome;
    HeaderText = "Welcome";

    Image1 = PlaceImage(this, this, "Image1", 0, -40, 385, 417, "Welcome.jpg");
    Label1 = PlaceLabel(this, this, "Label1", 392, 8, 188, 13, "Thank you for installing Pictoro");
    SetOwnFont(*Label1, fsBold);
    StaticText1 = PlaceStaticText(
        this, this, "StaticText1", 396, 38, 293, 59,
        "Pictoro can be used for searching and downloading pictures on the internet (the worldwide web). "
        "Pictures are searched using search-engines and downloaded from websites. "
        "Pictoro presents the pictures in easy to use galleries. ");
    StaticText2 = PlaceStaticText(
        this, this, "StaticText2", 397, 102, 293, 59,
        "No need for you anymore to visit all kind of sites and see if you can download the pictures you want "
        "or not. Pictoro does all the work for you and presents you just that what you want to see: "
        "The pictures. ");
    StaticText3 = PlaceStaticText(
        this, this, "StaticText3", 398, 165, 293, 68,
        "Pictoro works as an automated webbrowser. All images come from the publicly accesible world wide web. "
        "Nevertheless many are copyright protected. You are allowed to view the images but not always to use "
        "them for other purposes. ");
    StaticText6 = PlaceStaticText(
        this, this, "StaticText6", 397, 243, 294, 49,
        "With this installation you install Pictoro and nothing else. We are not putting any crap on your PC, "
        "change no settings, put no DLL's, show no banners and install no spyware.");
    SetOwnFont(*StaticText6, 0, clWhite);
    Label2 = PlaceLabel(this, this, "Label2", 394, 313, 292, 13,
                        "We wish you a lot of pleasure evaluating and using  Pictoro.");
    Label3 = PlaceLabel(this, this, "Label3", 608, 337, 77, 13, "Korvane Software");
}

void TPnlWelcome::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { ExitClick(Sender); });
    Bar->AddRightButton("&Next", 2, 1, [this](TObject* Sender) { NextClick(Sender); });
}

void TPnlWelcome::ExitClick(TObject* /*Sender*/) {
    FormMain->Close();
}

void TPnlWelcome::NextClick(TObject* /*Sender*/) {
    FormMain->ShowPage(PageName::PnlDisclaimer, true);
}

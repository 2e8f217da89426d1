// Placing a page's controls as its layout gives them: owned by the page, on a parent, at
// left, top, width x height.
#pragma once

#include <string>

#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

template <class T>
T* PlaceControl(TComponent* page, TWinControl* parent, const std::string& name, int left, int top, int width,
                int height) {
    T* control = new T(page);
    control->Name = name;
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// A label at its design place; it takes the size of its text in the font it shows.
TLabel* PlaceLabel(TComponent* page, TWinControl* parent, const std::string& name, int left, int top, int width,
                   int height, const std::string& caption);
// A label that takes the size of its text.
TLabel* PlaceAutoSizeLabel(TComponent* page, TWinControl* parent, const std::string& name, int left, int top);
// A static text of fixed size that wraps its text.
TStaticText* PlaceStaticText(TComponent* page, TWinControl* parent, const std::string& name, int left, int top,
                             int width, int height, const std::string& caption);
// A picture showing one of the built-in JPEG files.
TImage* PlaceImage(TComponent* page, TWinControl* parent, const std::string& name, int left, int top, int width,
                   int height, const std::string& pictureName);

// Gives a control a font of its own: the parent's, with this style, colour and height.
void SetOwnFont(TControl& control, TFontStyles style, TColor color = clWindowText, int height = -11);

#include "pages/PageControls.h"

#include "resources/Embedded.h"

TLabel* PlaceLabel(TComponent* page, TWinControl* parent, const std::string& name, int left, int top, int width,
                   int height, const std::string& caption) {
    TLabel* label = new TLabel(page);
    label->Name = name;
    label->SetParent(parent);
    label->SetBounds(left, top, width, height);
    label->SetCaption(caption); // an auto-sized label then fits its text in the real font
    return label;
}

TLabel* PlaceAutoSizeLabel(TComponent* page, TWinControl* parent, const std::string& name, int left, int top) {
    TLabel* label = new TLabel(page);
    label->Name = name;
    label->SetParent(parent);
    label->SetBounds(left, top, label->Width(), label->Height());
    return label;
}

TStaticText* PlaceStaticText(TComponent* page, TWinControl* parent, const std::string& name, int left, int top,
                             int width, int height, const std::string& caption) {
    TStaticText* text = PlaceControl<TStaticText>(page, parent, name, left, top, width, height);
    text->AutoSize = false;
    text->SetCaption(caption);
    return text;
}

TImage* PlaceImage(TComponent* page, TWinControl* parent, const std::string& name, int left, int top, int width,
                   int height, const std::string& pictureName) {
    TImage* image = PlaceControl<TImage>(page, parent, name, left, top, width, height);
    EmbeddedFile picture = EmbeddedResource(pictureName);
    image->SetJpeg(picture.Data, picture.Size);
    return image;
}

void SetOwnFont(TControl& control, TFontStyles style, TColor color, int height) {
    control.SetParentFont(false);
    control.Font().SetStyle(style);
    control.Font().SetColor(color);
    control.Font().SetHeight(height);
}

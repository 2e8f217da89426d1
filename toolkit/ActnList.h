// Actions with an image list, linked to the controls that show them.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Controls.h"

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner) : TComponent(owner) {}
    int Width = 16, Height = 16;
    std::vector<TBitmap> Images;
    int Count() const { return int(Images.size()); }
    void Draw(TCanvas& canvas, int x, int y, int index) const;
};

class TActionList;

class TAction : public TComponent {
public:
    explicit TAction(TComponent* owner) : TComponent(owner) {}
    TActionList* ActionList = nullptr;
    std::string Caption;
    bool Enabled = true;
    bool Visible = true;
    int ImageIndex = -1;
    TNotifyEvent OnExecute;
};

class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* owner) : TComponent(owner) {}
    TImageList* Images = nullptr;
};

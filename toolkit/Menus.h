// Popup menus.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Controls.h"

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
    std::string Caption;
    TNotifyEvent OnClick;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner) : TComponent(owner) {}
    std::vector<TMenuItem*> Items;
    void Popup(int screenX, int screenY); // drops the menu down at a screen point
    TPoint LastPopupPoint; // where it was last dropped, for tests
    int PopupCount = 0;
};

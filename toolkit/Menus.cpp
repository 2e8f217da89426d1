// Popup menus.
#include "toolkit/Menus.h"

#include "toolkit/Backend.h"

void TPopupMenu::Popup(int screenX, int screenY) {
    LastPopupPoint = {screenX, screenY};
    ++PopupCount;
    backend::PopupAt(*this, LastPopupPoint);
}

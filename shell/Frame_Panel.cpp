#include "shell/Frame_Panel.h"

TFramePanel::TFramePanel(TComponent* owner) : TFrame(owner) {
    SetBounds(0, 0, 712, 377);
    HorzScrollBar = sbHidden;
    VertScrollBar = sbHidden;
    SetAlign(alClient);
    MinWidth = 712;
    MinHeight = 377;
    SetColor(clSkyBlue);
    SetParentColor(false);
    TabOrder = 0;
}

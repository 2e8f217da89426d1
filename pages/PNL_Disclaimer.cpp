#include "pages/PNL_Disclaimer.h"

TPnlDisclaimer::TPnlDisclaimer(TComponent* owner) : TFramePanel(owner) {
    Name = "PnlDisclaimer";
    HeaderText = "Disclaimer";
}

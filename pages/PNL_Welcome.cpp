#include "pages/PNL_Welcome.h"

TPnlWelcome::TPnlWelcome(TComponent* owner) : TFramePanel(owner) {
    Name = "PnlWelcome";
    HeaderText = "Welcome";
}

// Image lists.
#include "toolkit/ActnList.h"

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return;
    canvas.Draw(x, y, Images[index]);
}

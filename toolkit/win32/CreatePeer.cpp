// Which window realises which control.
#include "toolkit/Forms.h"
#include "toolkit/win32/GdiCanvas.h"
#include "toolkit/win32/NativePeers.h"

namespace {

template <class Peer, class Control, class... Args>
std::unique_ptr<TControlPeer> Make(Control& control, Args... args) {
    auto peer = std::make_unique<Peer>(control);
    peer->Create(args...);
    return peer;
}

} // namespace

std::unique_ptr<TControlPeer> backend::CreatePeer(TWinControl& control) {
    using namespace win32;
    if (auto* form = dynamic_cast<TForm*>(&control)) return Make<FormPeer>(*form);
    if (auto* text = dynamic_cast<TStaticText*>(&control)) return Make<StaticTextPeer>(*text);
    if (auto* check = dynamic_cast<TCheckBox*>(&control))
        return Make<CheckPeer>(static_cast<TButtonControl&>(*check), false);
    if (auto* radio = dynamic_cast<TRadioButton*>(&control))
        return Make<CheckPeer>(static_cast<TButtonControl&>(*radio), true);
    if (auto* edit = dynamic_cast<TEdit*>(&control)) return Make<EditPeer>(*edit);
    if (auto* combo = dynamic_cast<TComboBox*>(&control))
        return Make<ComboBoxPeer>(*combo, combo->Style == csDropDownList);
    if (auto* drives = dynamic_cast<TDriveComboBox*>(&control)) return Make<DriveComboPeer>(*drives, true);
    if (auto* list = dynamic_cast<TDirectoryListBox*>(&control)) return Make<DirectoryListPeer>(*list);
    if (auto* bar = dynamic_cast<TProgressBar*>(&control)) return Make<ProgressPeer>(*bar);
    return Make<ContainerPeer>(control); // panels, frames, sheets, page controls, radio groups
}

std::unique_ptr<TCanvas> backend::CreateDirectCanvas(TGraphicControl& control) {
    return std::make_unique<win32::DirectCanvas>(control);
}

std::unique_ptr<TCanvas> backend::CreateBitmapCanvas(TBitmap& bitmap) {
    return std::make_unique<win32::BitmapCanvas>(bitmap);
}

std::unique_ptr<TCanvas> backend::CreateMeasuringCanvas() {
    return std::make_unique<win32::ScreenCanvas>();
}

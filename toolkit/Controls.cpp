// Components, controls, windowed and window-less controls.
#include "toolkit/Controls.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "toolkit/Accessibility.h"
#include "toolkit/Backend.h"
#include "toolkit/DispatchState.h"
#include "toolkit/Forms.h"

bool IsAccel(char key, const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1])) ==
            std::toupper(static_cast<unsigned char>(key));
    }
    return false;
}

std::string WithoutAccel(const std::string& caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

std::string LabelName(const std::string& caption) {
    std::string name = WithoutAccel(caption);
    while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
    return name;
}

// ---- TComponent ----

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    ComponentState |= csDestroying;
    while (!components_.empty()) delete components_.back();
    if (owner_) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

// ---- TControl ----

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
    ComponentState |= csDestroying;
    dispatch::ControlDestroyed(*this);
    if (parent_) SetParent(nullptr);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (MinWidth > 0 && width < MinWidth) width = MinWidth;
    if (MinHeight > 0 && height < MinHeight) height = MinHeight;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    if (!IsWindowed()) InvalidateArea(BoundsRect());
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed(TChange::Bounds);
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    if (parent_) parent_->Realign();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) {
        if (!IsWindowed()) InvalidateArea(BoundsRect());
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        if (!(parent_->ComponentState & csDestroying)) parent_->AccessibleChildrenChanged();
        parent_ = nullptr;
    }
    if (!parent) {
        if (auto* self = dynamic_cast<TWinControl*>(this); self && !(ComponentState & csDestroying))
            self->DestroyPeers();
        return;
    }
    const TScale before = Scale();
    parent_ = parent;
    parent->controls_.push_back(this);
    ParentColorChanged();
    ParentFontChanged();
    if (Scale() != before) ScaleChanged();
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        if (parent->Peer()) {
            if (self->Peer())
                self->Changed(TChange::Parent);
            else if (!self->DefersPeer())
                self->CreatePeerIfNeeded();
        }
    } else {
        Invalidate();
        parent->AccessibleChildrenChanged();
    }
    if (align_ != alNone) parent->Realign();
}

TForm* TControl::ParentForm() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (auto* form = dynamic_cast<const TForm*>(c)) return const_cast<TForm*>(form);
    return nullptr;
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        if (visible && parent_ && parent_->Peer()) self->CreatePeerIfNeeded(); // a deferred one's first showing
        Changed(TChange::Visible);
    } else {
        InvalidateArea(BoundsRect());
        AccessibleChanged(visible ? TAccEvent::Show : TAccEvent::Hide);
    }
    if (parent_ && align_ != alNone) parent_->Realign();
}

TScale TControl::Scale() const {
    if (const TForm* form = ParentForm()) return TScale(form->Dpi());
    return TScale(backend::DisplayDpi());
}

void TControl::ScaleChanged() {
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->Controls()) child->ScaleChanged();
    Changed(TChange::Font);
    Changed(TChange::Bounds);
}

bool TControl::Showing() const {
    if (!visible_) return false;
    if (parent_) return parent_->Showing();
    return dynamic_cast<const TForm*>(this) != nullptr;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed(TChange::Enabled);
}

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Changed(TChange::Text);
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    Changed(TChange::Color);
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->Controls()) child->ParentColorChanged();
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    ParentColorChanged();
}

TColor TControl::EffectiveColor() const {
    return parentColor_ && parent_ ? parent_->EffectiveColor() : color_;
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_) return;
    const TColor inherited = parent_->EffectiveColor();
    if (inherited == color_) return;
    color_ = inherited;
    Changed(TChange::Color);
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->Controls()) child->ParentColorChanged();
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    adoptingFont_ = true;
    font_.Assign(parent_->font_);
    adoptingFont_ = false;
}

// A font set on the control itself ends its taking the parent's font.
void TControl::FontChanged() {
    if (!adoptingFont_) parentFont_ = false;
    Changed(TChange::Font);
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->Controls()) child->ParentFontChanged();
}

TPoint TControl::ClientToParentWindow(TPoint p) const {
    return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    if (auto* self = dynamic_cast<const TWinControl*>(this); self && self->Peer())
        return backend::ClientToScreen(*self, p);
    if (parent_) return parent_->ClientToScreen(ClientToParentWindow(p));
    return ClientToParentWindow(p);
}

void TControl::InvalidateArea(const TRect& rectInParent) {
    if (!parent_ || (parent_->ComponentState & csDestroying)) return;
    if (TControlPeer* peer = parent_->Peer()) peer->Invalidate(rectInParent);
}

void TControl::Invalidate() {
    if (visible_) InvalidateArea(BoundsRect());
}

void TControl::Repaint() {
    Invalidate();
    const TWinControl* window = IsWindowed() ? static_cast<const TWinControl*>(this) : parent_;
    if (window && window->Peer()) window->Peer()->Update();
}

bool TControl::MouseCapture() const {
    return dispatch::CaptureControl() == this;
}

void TControl::SetMouseCapture(bool capture) {
    TWinControl* window = IsWindowed() ? static_cast<TWinControl*>(this) : parent_;
    if (capture) {
        dispatch::SetCaptureControl(this);
        backend::SetCapture(window);
    } else if (MouseCapture()) {
        dispatch::SetCaptureControl(nullptr);
        backend::SetCapture(nullptr);
    }
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

// The framework's double-click: no click follows at the release.
void TControl::DoubleClickDown(TMouseButton button, TShiftState shift, int x, int y) {
    dispatch::CancelClick(*this);
    DblClick();
    MouseDown(button, shift | ssDouble, x, y);
}

void TControl::Changed(TChange what) {
    if (what == TChange::Bounds || what == TChange::Visible)
        InvalidateArea(BoundsRect());
    else
        Invalidate();
    if (what == TChange::Enabled) AccessibleChanged(TAccEvent::StateChange);
    if (what == TChange::Text) AccessibleChanged(TAccEvent::NameChange);
}

void TControl::AccessibleChanged(TAccEvent event) {
    if (IsWindowed() || !parent_ || !parent_->Peer() || (parent_->ComponentState & csDestroying)) return;
    backend::AccessibleEvent(*parent_, event, accessibility::ChildId(*this));
}

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    ControlStyle |= csAcceptsControls;
}

TWinControl::~TWinControl() {
    ComponentState |= csDestroying;
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        child->SetParent(nullptr);
        delete child;
    }
    peer_.reset();
}

TControl* TWinControl::ControlAtPos(TPoint clientPoint, bool allowDisabled, bool windowedToo) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || (!allowDisabled && !c->Enabled()) || (!windowedToo && c->IsWindowed())) continue;
        if (c->BoundsRect().Contains(clientPoint)) return c;
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    control->SetParent(this);
}

void TWinControl::RemoveControl(TControl* control) {
    if (control->Parent() == this) control->SetParent(nullptr);
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return ParentForm() != nullptr;
}

TWinControl* TWinControl::FirstTabStop() const {
    TWinControl* first = nullptr;
    int firstRank = 0;
    for (TControl* child : controls_) {
        auto* window = dynamic_cast<TWinControl*>(child);
        if (!window || !window->Visible() || !window->Enabled()) continue;
        TWinControl* found = window->IsTabStopNow() && window->CanFocus() ? window : window->FirstTabStop();
        const int rank = window->TabOrder >= 0 ? window->TabOrder : INT_MAX;
        if (found && (!first || rank < firstRank)) {
            first = found;
            firstRank = rank;
        }
    }
    return first;
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

void TWinControl::AccessibleChildrenChanged() {
    if (peer_) backend::AccessibleEvent(*this, TAccEvent::Reorder, 0);
}

void TWinControl::SetFocus() {
    if (TForm* form = ParentForm()) form->SetActiveControl(this);
}

bool TWinControl::Focused() const {
    const TForm* form = ParentForm();
    return form && form->ActiveControl() == this;
}

// Visible aligned children take their share of the client area in turn; hidden ones are
// placed too (a hidden sheet is ready when shown) but take no room.
void TWinControl::Realign() {
    TRect area = ClientRect();
    for (TAlign side : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (c->Align() != side) continue;
            TRect spare = area;
            TRect& r = c->Visible() ? area : spare;
            switch (side) {
            case alTop:
                c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                r.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
                r.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
                r.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
                r.Right -= c->Width();
                break;
            default: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
            }
        }
    }
}

void TWinControl::CreatePeerIfNeeded() {
    if (!peer_) {
        BeforePeerCreated();
        peer_ = backend::CreatePeer(*this);
    }
    for (TControl* child : controls_)
        if (auto* window = dynamic_cast<TWinControl*>(child); window && !window->DefersPeer())
            window->CreatePeerIfNeeded();
}

void TWinControl::DestroyPeers() {
    for (TControl* child : controls_)
        if (auto* window = dynamic_cast<TWinControl*>(child)) window->DestroyPeers();
    peer_.reset();
}

void TWinControl::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = EffectiveColor();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(ClientRect());
}

void TWinControl::Changed(TChange what) {
    if (peer_) peer_->Changed(what);
    if (what == TChange::Bounds) Realign();
}

// ---- TGraphicControl ----

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() = default;

TAccessible TGraphicControl::Accessible() const {
    TAccessible accessible;
    if (!Enabled()) accessible.State |= asUnavailable;
    if (!Showing()) accessible.State |= asInvisible;
    return accessible;
}

TCanvas& TGraphicControl::Canvas() {
    if (paintCanvas_) return *paintCanvas_;
    if (!ownCanvas_) ownCanvas_ = backend::CreateDirectCanvas(*this);
    ownCanvas_->SetScale(Scale());
    return *ownCanvas_;
}

// Paints with the canvas set up afresh for this control, and puts the canvas back as it was.
void TGraphicControl::PaintOn(TCanvas& canvas) {
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    TFont font;
    font.Assign(canvas.Font);
    canvas.Pen = TPen{};
    canvas.Brush = TBrush{};
    canvas.Font.Assign(Font());
    TCanvas* outer = paintCanvas_;
    paintCanvas_ = &canvas;
    struct Restore {
        TGraphicControl& control;
        TCanvas& canvas;
        TCanvas* outer;
        const TPen& pen;
        const TBrush& brush;
        TFont& font;
        ~Restore() {
            control.paintCanvas_ = outer;
            canvas.Pen = pen;
            canvas.Brush = brush;
            canvas.Font.Assign(font);
        }
    } restore{*this, canvas, outer, pen, brush, font};
    Paint();
}

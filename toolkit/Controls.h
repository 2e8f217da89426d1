// The control model: components with owners, controls with parents, windowed and
// window-less controls. The model holds all state; a backend realises windowed controls
// through a peer and paints window-less ones on their parent's surface.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Graphics.h"

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TCursor { crDefault, crArrow, crHandPoint, crHourGlass };

// Component state
constexpr unsigned csLoading = 1, csDesigning = 2, csDestroying = 4;
// Control style
constexpr unsigned csAcceptsControls = 1, csCaptureMouse = 2, csClickEvents = 4, csSetCaption = 8, csOpaque = 16,
                   csDoubleClicks = 32;

// Whether key is the access key of caption: the character after a single '&', case ignored.
bool IsAccel(char key, const std::string& caption);
// The caption as it is shown: a single '&' dropped, "&&" as one '&'.
std::string WithoutAccel(const std::string& caption);
// A label's caption as the accessible name of the control beside it: as shown, without the colon.
std::string LabelName(const std::string& caption);

// What assistive technology is told about a window-less control.
enum class TAccRole { Graphic, StaticText, PushButton };
constexpr unsigned asUnavailable = 1, asInvisible = 2, asPressed = 4;
struct TAccessible {
    TAccRole Role = TAccRole::Graphic;
    std::string Name;
    unsigned State = 0;
    char Accelerator = 0; // upper case, pressed with Alt; 0: none
    const char* DefaultAction = nullptr; // none
};
// Changes that assistive technology is told of (the Win32 backend maps them in this order).
enum class TAccEvent { Show, Hide, Reorder, StateChange, NameChange };

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override; // leaves its owner, destroys the owned components, last first
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }

    std::string Name;
    int Tag = 0;
    unsigned ComponentState = 0;

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
};

class TWinControl;
class TForm;
class TControlPeer;

// What changed on a control, told to its peer.
enum class TChange {
    Bounds,
    Visible,
    Enabled,
    Text,
    Color,
    Font,
    Items,
    ItemIndex,
    Checked,
    Position,
    Range,
    Picture,
    Parent,
    Focus,
    Style
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override; // leaves its parent

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    int MinWidth = 0, MinHeight = 0; // constraints

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TForm* ParentForm() const; // the form this control lies on, if any
    // The scale of the window it shows on: its form's DPI, or the display's off any form.
    TScale Scale() const;

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Showing() const; // visible, and every parent up to a shown form too
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& text) { SetText(text); }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);

    TColor Color() const { return color_; }
    void SetColor(TColor color); // also clears ParentColor
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TColor EffectiveColor() const; // the parent's when ParentColor
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    // The font the control shows its text in: its own, unless it must give way to fit.
    virtual const TFont& ShownFont() const { return font_; }
    void SetParentFont(bool value);
    TCursor Cursor = crDefault;
    std::string Hint;
    bool ShowHint = false;
    bool ParentShowHint = true;
    unsigned ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    TPoint ClientToScreen(TPoint p) const;
    TPoint ClientToParentWindow(TPoint p) const; // into the client coordinates of the nearest windowed ancestor
    virtual void Invalidate();
    void Repaint(); // invalidate and paint now
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    // Messages of the framework, called by the dispatcher (toolkit/Dispatch.h).
    virtual void Click(); // OnClick
    virtual void DblClick(); // OnDblClick
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y); // OnMouseDown
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y); // OnMouseUp
    virtual void MouseMove(TShiftState shift, int x, int y); // OnMouseMove
    virtual void DoubleClickDown(TMouseButton button, TShiftState shift, int x,
                                 int y); // the second press of a double-click: DblClick, then MouseDown with ssDouble
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual bool DialogChar(char key) {
        (void)key;
        return false;
    } // an accelerator; true if handled

    virtual bool IsWindowed() const { return false; }

    // The control's window now shows at another DPI: what depends on measured text is laid
    // out again and the backend shows the control at the new scale. Children first.
    virtual void ScaleChanged();

protected:
    virtual void Changed(TChange what); // tells the peer, or invalidates a window-less control
    virtual void ParentColorChanged();
    virtual void ParentFontChanged();
    void StoreText(const std::string& text) { text_ = text; } // without telling anyone
    void AccessibleChanged(TAccEvent event); // a window-less control tells its parent's listeners
    void InvalidateArea(const TRect& rectInParent); // of a window-less control

private:
    friend class TWinControl;
    void FontChanged();
    bool adoptingFont_ = false;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    TFont font_;
    bool parentFont_ = true;
};

// A control with a window of its own (realised by the backend's peer) that holds children.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override; // destroys its child controls (each leaves its owner), then the peer

    const std::vector<TControl*>& Controls() const { return controls_; } // in z-order, bottom first
    int ControlCount() const { return int(controls_.size()); }
    TControl* ControlAtPos(TPoint clientPoint, bool allowDisabled,
                           bool windowedToo = false) const; // topmost visible child
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    int TabOrder = -1;
    bool TabStop = false;
    virtual bool IsTabStopNow() const { return TabStop; }
    virtual bool CanFocus() const;
    // The first control inside, in tab order (numbered ones first), that takes the focus.
    TWinControl* FirstTabStop() const;
    bool ContainsControl(const TControl* control) const; // itself or one of its descendants
    void AccessibleChildrenChanged(); // its window-less children were rearranged
    void SetFocus();
    bool Focused() const;

    void Realign(); // lays out aligned children
    TControlPeer* Peer() const { return peer_.get(); }
    std::uintptr_t WindowHandle() const; // the peer's handle (HWND on Windows), 0 without a peer
    void CreatePeerIfNeeded(); // for the backend: creates peers down the tree
    // True while the control's windows may wait until it is shown (see TTabSheet).
    virtual bool DefersPeer() const { return false; }
    bool IsWindowed() const override { return true; }
    // What a screen reader names the window; empty: what the system names it by (its text).
    std::string AccessibleName;

    // Called by the backend when the window paints: its own background and frame, then its
    // window-less children in z-order (toolkit/Dispatch.h does the children).
    virtual void PaintWindow(TCanvas& canvas);

protected:
    void Changed(TChange what) override;
    // Just before the control gets its window: the place to read what only the window shows.
    virtual void BeforePeerCreated() {}

private:
    friend class TControl;
    void DestroyPeers(); // children's first
    std::vector<TControl*> controls_;
    std::unique_ptr<TControlPeer> peer_;
};

// A window-less control: paints itself on its parent's surface, in its own coordinates.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas& Canvas(); // the canvas in use while painting, or one that paints at once
    virtual void Paint() {}
    void PaintOn(TCanvas& canvas); // for the framework: Paint with Canvas() = canvas

    // Unavailable when disabled, invisible when not showing; no name, no action.
    virtual TAccessible Accessible() const;

private:
    TCanvas* paintCanvas_ = nullptr;
    std::unique_ptr<TCanvas> ownCanvas_;
};

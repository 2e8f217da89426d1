// The peers: one window per windowed control of the model.
#pragma once

#include "toolkit/Backend.h"
#include "toolkit/win32/Win32Common.h"

namespace win32 {

// What every peer does: creates its window at the model's place, follows the model's
// changes, and takes the notifications that Windows sends its parent on its behalf.
class WindowPeer : public TControlPeer {
public:
    explicit WindowPeer(TWinControl& control) : control_(control) {}
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    void Changed(TChange what) override;
    void Invalidate(const TRect& clientRect) override;
    void Update() override;
    std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
    HWND Hwnd() const { return hwnd_; }
    TWinControl& Control() const { return control_; }

    static WindowPeer* FromHandle(HWND window);

    // Sent to the parent, handled by the child's peer.
    virtual void Command(WORD notification) { (void)notification; }
    virtual HBRUSH ControlColor(HDC dc);
    virtual bool DrawItem(const DRAWITEMSTRUCT& item) {
        (void)item;
        return false;
    }

    void WindowDestroyed(); // at WM_NCDESTROY: the window is gone

protected:
    // Creates a child window of the parent's window with the model's state applied.
    void CreateChild(const char* className, DWORD style, DWORD exStyle, void* createParam = nullptr);
    void Attach(HWND window);
    HWND ParentHandle() const;
    TRect Place() const; // the window's place in its parent's pixels
    virtual void ApplyBounds();
    void ApplyFont();

    // True while the peer itself is putting model state into its window, so that the
    // notifications this causes are not taken for the user's doing.
    bool applying_ = false;
    class Applying {
    public:
        explicit Applying(WindowPeer& peer) : peer_(peer), before_(peer.applying_) { peer_.applying_ = true; }
        ~Applying() { peer_.applying_ = before_; }

    private:
        WindowPeer& peer_;
        bool before_;
    };

    TWinControl& control_;
    HWND hwnd_ = nullptr;
};

// A window of our own class that the model paints: panels, frames, sheets, page controls,
// radio groups, the button bar; also the base of the form.
class ContainerPeer : public WindowPeer {
public:
    explicit ContainerPeer(TWinControl& control) : WindowPeer(control) {}
    ~ContainerPeer() override;
    void Create();
    void Changed(TChange what) override;

    static const char* ClassName();
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr int PeerBytes = sizeof(ContainerPeer*); // the window bytes of classes using WindowProcedure

protected:
    virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();
    bool MouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool trackingLeave_ = false;
};

// A top-level window owned by the application window.
class FormPeer : public ContainerPeer {
public:
    explicit FormPeer(TForm& form);
    void Create();
    void Changed(TChange what) override;

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ApplyBounds() override;

private:
    struct Placement {
        int x, y, width, height;
    };
    Placement Placed() const; // where the window goes: its outer bounds
    DWORD Style() const;
    DWORD ExStyle() const;
    void ShowOrHide();
    void ApplyIcons(); // the window's and the task bar's, at the sizes Windows shows at the DPI
    void DpiChanged(int dpi, const RECT& suggested);
    TForm& form_;
    bool shownBefore_ = false;
    HWND lastFocus_ = nullptr;
};

} // namespace win32

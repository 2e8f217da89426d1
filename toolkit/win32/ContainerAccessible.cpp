#include "toolkit/win32/ContainerAccessible.h"

#include <ole2.h>
#include <oleacc.h>

#include "platform/win32/SystemLibrary.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Backend.h"
#include "toolkit/win32/WindowPeer.h"

namespace win32 {

namespace {

// The window's client object as oleacc's function MAKE gives it; null if there is none.
template <typename Interface, typename Make>
Interface* ClientObject(Make make, HWND window) {
    void* object = nullptr;
    if (!make || FAILED(make(window, OBJID_CLIENT, __uuidof(Interface), &object))) return nullptr;
    return static_cast<Interface*>(object);
}

// oleacc and oleaut32 are loaded when first needed.
IAccessible* StandardObject(HWND window) {
    static const auto create =
        platform::SystemFunction<decltype(&::CreateStdAccessibleObject)>("oleacc.dll", "CreateStdAccessibleObject");
    return ClientObject<IAccessible>(create, window);
}

IDispatch* WindowObject(HWND window) {
    static const auto fromWindow =
        platform::SystemFunction<decltype(&::AccessibleObjectFromWindow)>("oleacc.dll", "AccessibleObjectFromWindow");
    return ClientObject<IDispatch>(fromWindow, window);
}

// S_FALSE and no string for an empty text.
HRESULT ToBstr(const char* text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!text || !*text) return S_FALSE;
    static const auto allocate =
        platform::SystemFunction<decltype(&::SysAllocStringLen)>("oleaut32.dll", "SysAllocStringLen");
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0) - 1;
    *out = allocate ? allocate(nullptr, UINT(length)) : nullptr;
    if (!*out) return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text, -1, *out, length + 1);
    return S_OK;
}

LONG RoleOf(TAccRole role) {
    switch (role) {
    case TAccRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case TAccRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
    default: return ROLE_SYSTEM_GRAPHIC;
    }
}

LONG StateOf(unsigned state) {
    return ((state & asUnavailable) ? STATE_SYSTEM_UNAVAILABLE : 0) |
        ((state & asInvisible) ? STATE_SYSTEM_INVISIBLE : 0) | ((state & asPressed) ? STATE_SYSTEM_PRESSED : 0);
}

// Child ids of window-less controls are answered from the model; the window itself
// (CHILDID_SELF) by the window's standard object. A child window answers for itself through
// its own object (get_accChild, accHitTest); its child id is not answered here.
class ContainerAccessible final : public IAccessible {
public:
    ContainerAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
    ~ContainerAccessible() { standard_->Release(); }
    ContainerAccessible(const ContainerAccessible&) = delete;
    ContainerAccessible& operator=(const ContainerAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (id != __uuidof(IUnknown) && id != __uuidof(IDispatch) && id != __uuidof(IAccessible)) return E_NOINTERFACE;
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // No type information: clients call the methods themselves.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        TWinControl* container = Container();
        *count = container ? accessibility::ChildCount(*container) : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        TControl* control = Child(child);
        if (!control) return E_INVALIDARG;
        if (!control->IsWindowed()) return S_FALSE;
        *object = WindowObject(HandleOf(*control));
        return *object ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        HRESULT result;
        if (ElementText(child, TextOf::Name, name, result)) return result;
        return Self(child) ? standard_->get_accName(child, name) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        HRESULT result;
        if (ElementText(child, TextOf::None, value, result)) return result;
        return Self(child) ? standard_->get_accValue(child, value) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        HRESULT result;
        if (ElementText(child, TextOf::None, description, result)) return result;
        return Self(child) ? standard_->get_accDescription(child, description) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        if (TGraphicControl* element = Element(child)) return SetI4(role, RoleOf(element->Accessible().Role));
        return Self(child) ? standard_->get_accRole(child, role) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        if (TGraphicControl* element = Element(child)) return SetI4(state, StateOf(element->Accessible().State));
        return Self(child) ? standard_->get_accState(child, state) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        HRESULT result;
        if (ElementText(child, TextOf::None, help, result)) return result;
        return Self(child) ? standard_->get_accHelp(child, help) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Self(child) ? standard_->get_accHelpTopic(file, child, topic) : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        HRESULT result;
        if (ElementText(child, TextOf::Shortcut, shortcut, result)) return result;
        return Self(child) ? standard_->get_accKeyboardShortcut(child, shortcut) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return standard_->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        HRESULT result;
        if (ElementText(child, TextOf::Action, action, result)) return result;
        return Self(child) ? standard_->get_accDefaultAction(child, action) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Self(child) ? standard_->accSelect(flags, child) : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        TGraphicControl* element = Element(child);
        if (!element) return Self(child) ? standard_->accLocation(left, top, width, height, child) : E_INVALIDARG;
        if (!left || !top || !width || !height) return E_POINTER;
        const TPoint origin = element->ClientToScreen({0, 0});
        *left = origin.X;
        *top = origin.Y;
        *width = element->Width();
        *height = element->Height();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Self(start) ? standard_->accNavigate(direction, start, end) : DISP_E_MEMBERNOTFOUND;
    }
    // The element or child window under a screen point; the window itself where none is.
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override {
        if (!found) return E_POINTER;
        found->vt = VT_EMPTY;
        POINT point{x, y};
        RECT client;
        ScreenToClient(window_, &point);
        GetClientRect(window_, &client);
        TWinControl* container = Container();
        if (!container || !PtInRect(&client, point)) return S_FALSE;
        TControl* under = container->ControlAtPos({int(point.x), int(point.y)}, true, true);
        if (under && under->IsWindowed()) {
            found->pdispVal = WindowObject(HandleOf(*under));
            if (found->pdispVal) found->vt = VT_DISPATCH;
            return found->pdispVal ? S_OK : S_FALSE;
        }
        return SetI4(found, under ? accessibility::ChildId(*under) : CHILDID_SELF);
    }
    // Done after the call returns, so a client never waits on a box the action opens.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        TGraphicControl* element = Element(child);
        if (!element) return Self(child) ? standard_->accDoDefaultAction(child) : E_INVALIDARG;
        if (accessibility::DoDefaultAction(*element)) return S_OK;
        return element->Accessible().DefaultAction ? E_FAIL : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    enum class TextOf { Name, Shortcut, Action, None };
    // True if child is a window-less control; result then tells what its text is.
    bool ElementText(VARIANT child, TextOf what, BSTR* out, HRESULT& result) const;

    static HRESULT SetI4(VARIANT* out, LONG value) {
        out->vt = VT_I4;
        out->lVal = value;
        return S_OK;
    }
    static bool Self(VARIANT child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    static HWND HandleOf(const TControl& window) {
        return reinterpret_cast<HWND>(static_cast<const TWinControl&>(window).Peer()->Handle());
    }

    // The model of the window; null once the window is gone.
    TWinControl* Container() const {
        WindowPeer* peer = WindowPeer::FromHandle(window_);
        return peer ? &peer->Control() : nullptr;
    }
    TControl* Child(VARIANT child) const {
        TWinControl* container = Container();
        return container && child.vt == VT_I4 ? accessibility::ChildOf(*container, child.lVal) : nullptr;
    }
    TGraphicControl* Element(VARIANT child) const { return dynamic_cast<TGraphicControl*>(Child(child)); }

    ULONG references_ = 1;
    HWND window_;
    IAccessible* standard_;
};

bool ContainerAccessible::ElementText(VARIANT child, TextOf what, BSTR* out, HRESULT& result) const {
    TGraphicControl* element = Element(child);
    if (!element) return false;
    const TAccessible accessible = element->Accessible();
    const char shortcut[] = {'A', 'l', 't', '+', accessible.Accelerator, 0};
    const char* text = nullptr;
    switch (what) {
    case TextOf::Name: text = accessible.Name.c_str(); break;
    case TextOf::Shortcut: text = accessible.Accelerator ? shortcut : nullptr; break;
    case TextOf::Action: text = accessible.DefaultAction; break;
    default: break;
    }
    result = ToBstr(text, out);
    return true;
}

} // namespace

LRESULT ContainerObject(HWND window, WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
    static const auto lresultFromObject =
        platform::SystemFunction<decltype(&::LresultFromObject)>("oleacc.dll", "LresultFromObject");
    IAccessible* standard = lresultFromObject ? StandardObject(window) : nullptr;
    if (!standard) return 0;
    auto* object = new ContainerAccessible(window, standard);
    const LRESULT result = lresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result;
}

} // namespace win32

void backend::AccessibleEvent(TWinControl& container, TAccEvent event, int childId) {
    static constexpr DWORD winEvents[] = {EVENT_OBJECT_SHOW, EVENT_OBJECT_HIDE, EVENT_OBJECT_REORDER,
                                          EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE};
    if (HWND window = reinterpret_cast<HWND>(container.Peer()->Handle()))
        NotifyWinEvent(winEvents[int(event)], window, OBJID_CLIENT, childId == 0 ? CHILDID_SELF : childId);
}

#include "toolkit/win32/ContainerAccessible.h"

#include <ole2.h>
#include <oleacc.h>

#include <new>
#include <string>

#include "platform/win32/SystemLibrary.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Backend.h"
#include "toolkit/win32/WindowPeer.h"

namespace win32 {

namespace {

// The window's object KIND as oleacc's function MAKE gives it; null if there is none.
template <typename Interface, typename Make>
Interface* ObjectOf(Make make, HWND window, LONG kind) {
    void* object = nullptr;
    if (!make || FAILED(make(window, kind, __uuidof(Interface), &object))) return nullptr;
    return static_cast<Interface*>(object);
}

// oleacc and oleaut32 are loaded when first needed.
IAccessible* StandardObject(HWND window, LONG kind) {
    static const auto create =
        platform::SystemFunction<decltype(&::CreateStdAccessibleObject)>("oleacc.dll", "CreateStdAccessibleObject");
    return ObjectOf<IAccessible>(create, window, kind);
}

// The object a client gets: OBJID_CLIENT of a window, or OBJID_WINDOW of a child window (its
// parent is the container, and it lists the window's frame parts, such as scroll bars, beside
// its client object).
IDispatch* ObjectFromWindow(HWND window, LONG kind) {
    static const auto fromWindow =
        platform::SystemFunction<decltype(&::AccessibleObjectFromWindow)>("oleacc.dll", "AccessibleObjectFromWindow");
    return ObjectOf<IDispatch>(fromWindow, window, kind);
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

// Hands every call to the window's standard object; the objects below answer some calls
// themselves. Compiled without exceptions: an allocation that fails in a method (a string of
// the model) ends the program through std::terminate, as COM lets no exception pass anyway;
// the object itself is made with nothrow new, and its absence leaves the standard object.
class ForwardingAccessible : public IAccessible {
public:
    explicit ForwardingAccessible(IAccessible* standard) : standard_(standard) {}
    virtual ~ForwardingAccessible() { standard_->Release(); }
    ForwardingAccessible(const ForwardingAccessible&) = delete;
    ForwardingAccessible& operator=(const ForwardingAccessible&) = delete;

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
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return standard_->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override {
        return standard_->accHitTest(x, y, found);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

protected:
    static bool Self(VARIANT child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    IAccessible* standard_;

private:
    ULONG references_ = 1;
};

// A system control named by the model (TWinControl::AccessibleName) instead of its text.
class NamedAccessible final : public ForwardingAccessible {
public:
    NamedAccessible(IAccessible* standard, const std::string& name) : ForwardingAccessible(standard), name_(name) {}
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Self(child) ? ToBstr(name_.c_str(), name) : standard_->get_accName(child, name);
    }

private:
    std::string name_;
};

// A child window's window object with its parent window's client object as its parent, as
// Windows has it (Wine's standard window object names no parent). It tells its window
// (IOleWindow), so that a client finds the window from the object.
class ChildWindowAccessible final : public ForwardingAccessible, public IOleWindow {
public:
    ChildWindowAccessible(HWND window, IAccessible* standard) : ForwardingAccessible(standard), window_(window) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object || id != __uuidof(IOleWindow)) return ForwardingAccessible::QueryInterface(id, object);
        *object = static_cast<IOleWindow*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ForwardingAccessible::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return ForwardingAccessible::Release(); }
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = ObjectFromWindow(GetParent(window_), OBJID_CLIENT);
        return *parent ? S_OK : S_FALSE;
    }

private:
    HWND window_;
};

// Child ids of window-less controls are answered from the model; the window itself
// (CHILDID_SELF) by the window's standard object. A child window answers for itself through
// its own object (get_accChild, accHitTest, accNavigate); its child id is not answered here.
// Every output is set on every path: empty, null or 0 where there is no answer.
class ContainerAccessible final : public ForwardingAccessible {
public:
    ContainerAccessible(HWND window, IAccessible* standard) : ForwardingAccessible(standard), window_(window) {}

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
        *object = ObjectFromWindow(HandleOf(*control), OBJID_WINDOW);
        return *object ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(child, TextOf::Name, name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Text(child, TextOf::None, value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Text(child, TextOf::None, description, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        role->vt = VT_EMPTY;
        if (TGraphicControl* element = Element(child)) return SetI4(role, RoleOf(element->Accessible().Role));
        return Self(child) ? standard_->get_accRole(child, role) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        state->vt = VT_EMPTY;
        if (TGraphicControl* element = Element(child)) return SetI4(state, StateOf(element->Accessible().State));
        return Self(child) ? standard_->get_accState(child, state) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Text(child, TextOf::None, help, &IAccessible::get_accHelp);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        if (!file || !topic) return E_POINTER;
        *file = nullptr;
        *topic = 0;
        if (Self(child)) return standard_->get_accHelpTopic(file, child, topic);
        return Element(child) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return Text(child, TextOf::Shortcut, shortcut, &IAccessible::get_accKeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Text(child, TextOf::Action, action, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        if (Self(child)) return standard_->accSelect(flags, child);
        return Element(child) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        TGraphicControl* element = Element(child);
        if (!element) return Self(child) ? standard_->accLocation(left, top, width, height, child) : E_INVALIDARG;
        // In screen pixels, at the window's scale.
        const TPoint origin = element->ClientToScreen({0, 0});
        const TPoint corner = element->ClientToScreen({element->Width(), element->Height()});
        *left = origin.X;
        *top = origin.Y;
        *width = corner.X - origin.X;
        *height = corner.Y - origin.Y;
        return S_OK;
    }
    // First and last from the window itself, next and previous from a child, over the listed
    // children; the rest (the window's own siblings) as the standard object answers it.
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        end->vt = VT_EMPTY;
        const bool fromSelf = Self(start);
        const bool toChild = direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD;
        const bool alongChildren = !fromSelf && (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS);
        if (fromSelf && !toChild) return standard_->accNavigate(direction, start, end);
        TWinControl* container = Container();
        if (!container || start.vt != VT_I4 || (!fromSelf && !Child(start))) return E_INVALIDARG;
        if (!toChild && !alongChildren) return DISP_E_MEMBERNOTFOUND;
        if (toChild && !fromSelf) return E_INVALIDARG;
        const accessibility::TAccNavigation way = direction == NAVDIR_FIRSTCHILD ? accessibility::TAccNavigation::First
            : direction == NAVDIR_LASTCHILD                                      ? accessibility::TAccNavigation::Last
            : direction == NAVDIR_NEXT                                           ? accessibility::TAccNavigation::Next
                                       : accessibility::TAccNavigation::Previous;
        const int id = accessibility::Navigate(*container, fromSelf ? 0 : start.lVal, way);
        return id ? ChildVariant(*accessibility::ChildOf(*container, id), end) : S_FALSE;
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
        return under ? ChildVariant(*under, found) : SetI4(found, CHILDID_SELF);
    }
    // Done after the call returns, so a client never waits on a box the action opens.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        TGraphicControl* element = Element(child);
        if (!element) return Self(child) ? standard_->accDoDefaultAction(child) : E_INVALIDARG;
        if (accessibility::DoDefaultAction(*element)) return S_OK;
        return element->Accessible().DefaultAction ? E_FAIL : DISP_E_MEMBERNOTFOUND;
    }

private:
    enum class TextOf { Name, Shortcut, Action, None };
    // An element's text from the model, the window's own from the standard object.
    HRESULT Text(VARIANT child, TextOf what, BSTR* out, HRESULT (STDMETHODCALLTYPE IAccessible::*own)(VARIANT, BSTR*)) {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (Self(child)) return (standard_->*own)(child, out);
        TGraphicControl* element = Element(child);
        if (!element) return E_INVALIDARG;
        const TAccessible accessible = element->Accessible();
        const char shortcut[] = {'A', 'l', 't', '+', accessible.Accelerator, 0};
        switch (what) {
        case TextOf::Name: return ToBstr(accessible.Name.c_str(), out);
        case TextOf::Shortcut: return ToBstr(accessible.Accelerator ? shortcut : nullptr, out);
        case TextOf::Action: return ToBstr(accessible.DefaultAction, out);
        default: return S_FALSE;
        }
    }

    static HRESULT SetI4(VARIANT* out, LONG value) {
        out->vt = VT_I4;
        out->lVal = value;
        return S_OK;
    }
    // A window-less child as its id, a child window as its object.
    static HRESULT ChildVariant(const TControl& control, VARIANT* out) {
        if (!control.IsWindowed()) return SetI4(out, accessibility::ChildId(control));
        out->pdispVal = ObjectFromWindow(HandleOf(control), OBJID_WINDOW);
        out->vt = out->pdispVal ? VT_DISPATCH : VT_EMPTY;
        return out->pdispVal ? S_OK : S_FALSE;
    }
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

    HWND window_;
};

} // namespace

namespace {

// Marshals the object that make builds around the window's standard object of that kind.
template <typename Make>
LRESULT AnswerWithObject(HWND window, WPARAM wParam, LONG kind, Make make) {
    static const auto lresultFromObject =
        platform::SystemFunction<decltype(&::LresultFromObject)>("oleacc.dll", "LresultFromObject");
    IAccessible* standard = lresultFromObject ? StandardObject(window, kind) : nullptr;
    if (!standard) return 0;
    ForwardingAccessible* object = make(standard);
    if (!object) {
        standard->Release();
        return 0;
    }
    const LRESULT result = lresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result;
}

// OBJID_WINDOW of a child window: the object that leads to its parent.
LRESULT ChildWindowObject(HWND window, WPARAM wParam) {
    if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) return 0;
    return AnswerWithObject(window, wParam, OBJID_WINDOW, [window](IAccessible* standard) -> ForwardingAccessible* {
        return new (std::nothrow) ChildWindowAccessible(window, standard);
    });
}

bool Asks(LPARAM lParam, LONG kind) {
    return static_cast<DWORD>(lParam) == static_cast<DWORD>(kind);
}

} // namespace

LRESULT ContainerObject(HWND window, WPARAM wParam, LPARAM lParam) {
    if (Asks(lParam, OBJID_WINDOW)) return ChildWindowObject(window, wParam);
    if (!Asks(lParam, OBJID_CLIENT)) return 0;
    return AnswerWithObject(window, wParam, OBJID_CLIENT, [window](IAccessible* standard) -> ForwardingAccessible* {
        return new (std::nothrow) ContainerAccessible(window, standard);
    });
}

LRESULT NativeControlObject(HWND window, WPARAM wParam, LPARAM lParam, const std::string& name) {
    if (Asks(lParam, OBJID_WINDOW)) return ChildWindowObject(window, wParam);
    if (!Asks(lParam, OBJID_CLIENT) || name.empty()) return 0;
    return AnswerWithObject(window, wParam, OBJID_CLIENT, [&name](IAccessible* standard) -> ForwardingAccessible* {
        return new (std::nothrow) NamedAccessible(standard, name);
    });
}

} // namespace win32

void backend::AccessibleEvent(TWinControl& container, TAccEvent event, int childId) {
    static constexpr DWORD winEvents[] = {EVENT_OBJECT_SHOW, EVENT_OBJECT_HIDE, EVENT_OBJECT_REORDER,
                                          EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE};
    if (HWND window = reinterpret_cast<HWND>(container.Peer()->Handle()))
        NotifyWinEvent(winEvents[int(event)], window, OBJID_CLIENT, childId == 0 ? CHILDID_SELF : childId);
}

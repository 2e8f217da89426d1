#include "toolkit/win32/ContainerAccessible.h"

#include <ole2.h>
#include <oleacc.h>

#include "platform/win32/SystemLibrary.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Backend.h"
#include "toolkit/win32/WindowPeer.h"

namespace win32 {

namespace {

// oleacc and oleaut32 are loaded when first needed.
IAccessible* StandardObject(HWND window) {
    static const auto create =
        platform::SystemFunction<decltype(&::CreateStdAccessibleObject)>("oleacc.dll", "CreateStdAccessibleObject");
    void* object = nullptr;
    if (!create || FAILED(create(window, OBJID_CLIENT, __uuidof(IAccessible), &object))) return nullptr;
    return static_cast<IAccessible*>(object);
}

IAccessible* WindowObject(HWND window) {
    static const auto fromWindow =
        platform::SystemFunction<decltype(&::AccessibleObjectFromWindow)>("oleacc.dll", "AccessibleObjectFromWindow");
    void* object = nullptr;
    if (!fromWindow || FAILED(fromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), &object))) return nullptr;
    return static_cast<IAccessible*>(object);
}

HRESULT ToBstr(const std::string& text, BSTR* out) {
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    static const auto allocate =
        platform::SystemFunction<decltype(&::SysAllocStringLen)>("oleaut32.dll", "SysAllocStringLen");
    if (!allocate) return E_OUTOFMEMORY;
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    *out = allocate(nullptr, UINT(length));
    if (!*out) return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), *out, length);
    return S_OK;
}

VARIANT SelfVariant() {
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

void SetI4(VARIANT* out, LONG value) {
    out->vt = VT_I4;
    out->lVal = value;
}

LONG RoleOf(TAccRole role) {
    switch (role) {
    case TAccRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case TAccRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
    default: return ROLE_SYSTEM_GRAPHIC;
    }
}

LONG StateOf(unsigned state) {
    LONG system = 0;
    if (state & asUnavailable) system |= STATE_SYSTEM_UNAVAILABLE;
    if (state & asInvisible) system |= STATE_SYSTEM_INVISIBLE;
    if (state & asPressed) system |= STATE_SYSTEM_PRESSED;
    return system;
}

class ContainerAccessible final : public IAccessible {
public:
    explicit ContainerAccessible(HWND window) : window_(window), standard_(StandardObject(window)) {}
    ~ContainerAccessible() {
        if (standard_) standard_->Release();
    }
    ContainerAccessible(const ContainerAccessible&) = delete;
    ContainerAccessible& operator=(const ContainerAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object) return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: no type information; clients call the methods themselves.
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

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_ ? standard_->get_accParent(parent) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        TWinControl* container = Container();
        if (!container) return CO_E_OBJNOTCONNECTED;
        *count = long(accessibility::Children(*container).size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        const Target target = Resolve(child);
        if (target.Element) return S_FALSE;
        if (!target.Window) return E_INVALIDARG;
        *object = WindowObject(target.Window);
        return *object ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(
            child, name, [](const TAccessible& a) { return a.Name; },
            [](IAccessible* o, VARIANT self, BSTR* out) { return o->get_accName(self, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Text(
            child, value, [](const TAccessible&) { return std::string(); },
            [](IAccessible* o, VARIANT self, BSTR* out) { return o->get_accValue(self, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Text(
            child, description, [](const TAccessible&) { return std::string(); },
            [](IAccessible* o, VARIANT self, BSTR* out) { return o->get_accDescription(self, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Text(
            child, help, [](const TAccessible&) { return std::string(); },
            [](IAccessible* o, VARIANT self, BSTR* out) { return o->get_accHelp(self, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return Text(
            child, shortcut, [](const TAccessible& a) { return a.Shortcut; },
            [](IAccessible* o, VARIANT self, BSTR* out) { return o->get_accKeyboardShortcut(self, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Text(
            child, action, [](const TAccessible& a) { return a.DefaultAction; },
            [](IAccessible* o, VARIANT self, BSTR* out) { return o->get_accDefaultAction(self, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        if (Resolve(child).Element) {
            if (file) *file = nullptr;
            return S_FALSE;
        }
        return Forward(child, [&](IAccessible* o, VARIANT self) { return o->get_accHelpTopic(file, self, topic); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        if (TGraphicControl* element = Resolve(child).Element) {
            SetI4(role, RoleOf(element->Accessible().Role));
            return S_OK;
        }
        return Forward(child, [&](IAccessible* o, VARIANT self) { return o->get_accRole(self, role); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        if (TGraphicControl* element = Resolve(child).Element) {
            SetI4(state, StateOf(element->Accessible().State));
            return S_OK;
        }
        return Forward(child, [&](IAccessible* o, VARIANT self) { return o->get_accState(self, state); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_ ? standard_->get_accFocus(focus) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_ ? standard_->get_accSelection(selection) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        if (Resolve(child).Element) return DISP_E_MEMBERNOTFOUND;
        return Forward(child, [&](IAccessible* o, VARIANT self) { return o->accSelect(flags, self); });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        if (TGraphicControl* element = Resolve(child).Element) {
            const TPoint origin = element->ClientToScreen({0, 0});
            *left = origin.X;
            *top = origin.Y;
            *width = element->Width();
            *height = element->Height();
            return S_OK;
        }
        return Forward(child,
                       [&](IAccessible* o, VARIANT self) { return o->accLocation(left, top, width, height, self); });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (Resolve(start).Element) return DISP_E_MEMBERNOTFOUND;
        return Forward(start, [&](IAccessible* o, VARIANT self) { return o->accNavigate(direction, self, end); });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override {
        if (!found) return E_POINTER;
        found->vt = VT_EMPTY;
        TWinControl* container = Container();
        if (!container) return CO_E_OBJNOTCONNECTED;
        POINT point{x, y};
        RECT client;
        ScreenToClient(window_, &point);
        GetClientRect(window_, &client);
        if (!PtInRect(&client, point)) return S_FALSE;
        TControl* under = container->ControlAtPos({int(point.x), int(point.y)}, true, true);
        if (auto* window = dynamic_cast<TWinControl*>(under); window && window->Peer()) {
            if (IAccessible* object = WindowObject(reinterpret_cast<HWND>(window->Peer()->Handle()))) {
                found->vt = VT_DISPATCH;
                found->pdispVal = object;
                return S_OK;
            }
        }
        SetI4(found, under && !under->IsWindowed() ? accessibility::ChildId(*under) : CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (TGraphicControl* element = Resolve(child).Element) {
            if (accessibility::DoDefaultAction(*element)) return S_OK;
            return element->Accessible().DefaultAction.empty() ? DISP_E_MEMBERNOTFOUND : E_FAIL;
        }
        return Forward(child, [](IAccessible* o, VARIANT self) { return o->accDoDefaultAction(self); });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    // What a child id names: the window itself (neither set), a window-less control, or a
    // child window.
    struct Target {
        bool Valid = false;
        TGraphicControl* Element = nullptr;
        HWND Window = nullptr;
    };

    TWinControl* Container() const {
        WindowPeer* peer = WindowPeer::FromHandle(window_);
        return peer ? &peer->Control() : nullptr;
    }

    Target Resolve(VARIANT child) const {
        Target target;
        if (child.vt != VT_I4) return target;
        if (child.lVal == CHILDID_SELF) {
            target.Valid = true;
            return target;
        }
        TWinControl* container = Container();
        TControl* control = container ? accessibility::ChildOf(*container, child.lVal) : nullptr;
        if (!control) return target;
        target.Valid = true;
        if (auto* window = dynamic_cast<TWinControl*>(control))
            target.Window = reinterpret_cast<HWND>(window->Peer()->Handle());
        else
            target.Element = dynamic_cast<TGraphicControl*>(control);
        return target;
    }

    // The window itself goes to the standard object, a child window to its own object.
    template <class Call>
    HRESULT Forward(VARIANT child, Call call) const {
        const Target target = Resolve(child);
        if (!target.Valid || target.Element) return E_INVALIDARG;
        if (!target.Window) return standard_ ? call(standard_, SelfVariant()) : E_FAIL;
        IAccessible* object = WindowObject(target.Window);
        if (!object) return E_FAIL;
        const HRESULT result = call(object, SelfVariant());
        object->Release();
        return result;
    }

    template <class FromModel, class Call>
    HRESULT Text(VARIANT child, BSTR* out, FromModel fromModel, Call call) const {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (TGraphicControl* element = Resolve(child).Element) return ToBstr(fromModel(element->Accessible()), out);
        return Forward(child, [&](IAccessible* o, VARIANT self) { return call(o, self, out); });
    }

    ULONG references_ = 1;
    HWND window_;
    IAccessible* standard_;
};

} // namespace

LRESULT ContainerObject(HWND window, WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
    static const auto lresultFromObject =
        platform::SystemFunction<decltype(&::LresultFromObject)>("oleacc.dll", "LresultFromObject");
    if (!lresultFromObject) return 0;
    auto* object = new ContainerAccessible(window);
    const LRESULT result = lresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result;
}

} // namespace win32

void backend::AccessibleEvent(TWinControl& container, TAccEvent event, int childId) {
    if (!container.Peer()) return;
    HWND window = reinterpret_cast<HWND>(container.Peer()->Handle());
    if (!window) return;
    DWORD winEvent = EVENT_OBJECT_REORDER;
    switch (event) {
    case TAccEvent::Show: winEvent = EVENT_OBJECT_SHOW; break;
    case TAccEvent::Hide: winEvent = EVENT_OBJECT_HIDE; break;
    case TAccEvent::StateChange: winEvent = EVENT_OBJECT_STATECHANGE; break;
    case TAccEvent::NameChange: winEvent = EVENT_OBJECT_NAMECHANGE; break;
    default: break;
    }
    NotifyWinEvent(winEvent, window, OBJID_CLIENT, childId == 0 ? CHILDID_SELF : childId);
}

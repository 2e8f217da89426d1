// Sees a running program as a screen reader does, through MSAA (oleacc) only: asks every
// window of a top-level window for its client object and lists the simple elements among its
// children, presses a button through its default action, and listens to the win events the
// program raises. Output is UTF-8, one record a line, fields separated by tabs.
//
//   reader list CAPTION              HWND CLASS ID ROLE STATE NAME SHORTCUT ACTION X Y W H
//                                    (the showing elements of every window, in tree order)
//   reader press CAPTION NAME [MS]   presses the push button NAME (a showing one, else a
//                                    hidden one), then listens MS ms and prints
//                                    EVENT HWND ID NAME for each event of the program
//   reader check CAPTION             asks the window's objects what a careless client asks:
//                                    child ids 0, -1, LONG_MIN and one past the last, a hit
//                                    test of Next's middle, a walk over each container's
//                                    children and from a child window's object to its
//                                    parent, and the names of the child windows
//   reader hold CAPTION FILE         keeps the objects of the window, asks them again once
//                                    FILE exists (after the page changed) and once the
//                                    window is gone
//
// ROLE is "button", "text", "graphic" or the role's number; STATE holds u (unavailable),
// p (pressed), i (invisible). Exit code 0 on success, 1 when nothing was found, 2 on bad
// usage, 3 when the press was refused.
#include <windows.h>
#include <oleacc.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text, int length = -1) {
    if (!text) return {};
    if (length < 0) length = int(wcslen(text));
    std::string out(WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), int(out.size()), nullptr, nullptr);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return out;
}

std::wstring Wide(const char* text) {
    std::wstring out(MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), int(out.size()));
    out.resize(out.size() - 1);
    return out;
}

// The text a getter gives, or "" if it gives none.
template <class Getter>
std::string Text(Getter get) {
    BSTR text = nullptr;
    const HRESULT result = get(&text);
    std::string out = SUCCEEDED(result) && text ? Utf8(text, int(SysStringLen(text))) : "";
    SysFreeString(text);
    return out;
}

VARIANT Child(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

struct Element {
    HWND Window = nullptr;
    long Id = 0;
    long Role = 0, State = 0;
    std::string Name, Shortcut, Action;
    long X = 0, Y = 0, W = 0, H = 0;
};

Element Describe(IAccessible* object, HWND window, long id) {
    Element e;
    e.Window = window;
    e.Id = id;
    VARIANT child = Child(id), value;
    VariantInit(&value);
    if (SUCCEEDED(object->get_accRole(child, &value)) && value.vt == VT_I4) e.Role = value.lVal;
    VariantInit(&value);
    if (SUCCEEDED(object->get_accState(child, &value)) && value.vt == VT_I4) e.State = value.lVal;
    e.Name = Text([&](BSTR* text) { return object->get_accName(child, text); });
    e.Shortcut = Text([&](BSTR* text) { return object->get_accKeyboardShortcut(child, text); });
    e.Action = Text([&](BSTR* text) { return object->get_accDefaultAction(child, text); });
    object->accLocation(&e.X, &e.Y, &e.W, &e.H, child);
    return e;
}

IAccessible* ClientObject(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

// The simple elements among the children of a window's client object.
std::vector<Element> Elements(HWND window) {
    std::vector<Element> elements;
    IAccessible* object = ClientObject(window);
    if (!object) return elements;
    long count = 0;
    if (SUCCEEDED(object->get_accChildCount(&count)) && count > 0) {
        std::vector<VARIANT> children(count);
        long obtained = 0;
        if (SUCCEEDED(AccessibleChildren(object, 0, count, children.data(), &obtained))) {
            for (long i = 0; i < obtained; ++i) {
                if (children[i].vt == VT_I4) elements.push_back(Describe(object, window, children[i].lVal));
                VariantClear(&children[i]);
            }
        }
    }
    object->Release();
    return elements;
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<Element> AllElements(HWND top) {
    std::vector<HWND> windows{top};
    EnumChildWindows(top, Collect, reinterpret_cast<LPARAM>(&windows));
    std::vector<Element> all;
    for (HWND window : windows) {
        if (!IsWindowVisible(window)) continue;
        for (Element& e : Elements(window)) all.push_back(e);
    }
    return all;
}

std::string RoleName(long role) {
    switch (role) {
    case ROLE_SYSTEM_PUSHBUTTON: return "button";
    case ROLE_SYSTEM_STATICTEXT: return "text";
    case ROLE_SYSTEM_GRAPHIC: return "graphic";
    default: return std::to_string(role);
    }
}

std::string StateLetters(long state) {
    std::string letters;
    if (state & STATE_SYSTEM_UNAVAILABLE) letters += 'u';
    if (state & STATE_SYSTEM_PRESSED) letters += 'p';
    if (state & STATE_SYSTEM_INVISIBLE) letters += 'i';
    return letters;
}

void PrintHandle(HWND window) {
    std::printf("0x%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
}

HWND FindTop(const char* caption) {
    return FindWindowW(nullptr, Wide(caption).c_str());
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

int List(HWND top) {
    for (const Element& e : AllElements(top)) {
        if (e.State & STATE_SYSTEM_INVISIBLE) continue;
        PrintHandle(e.Window);
        std::printf("\t%s\t%ld\t%s\t%s\t%s\t%s\t%s\t%ld\t%ld\t%ld\t%ld\n", Utf8(ClassOf(e.Window).c_str()).c_str(),
                    e.Id, RoleName(e.Role).c_str(), StateLetters(e.State).c_str(), e.Name.c_str(), e.Shortcut.c_str(),
                    e.Action.c_str(), e.X, e.Y, e.W, e.H);
    }
    return 0;
}

const char* EventName(DWORD event) {
    switch (event) {
    case EVENT_OBJECT_SHOW: return "show";
    case EVENT_OBJECT_HIDE: return "hide";
    case EVENT_OBJECT_REORDER: return "reorder";
    case EVENT_OBJECT_STATECHANGE: return "statechange";
    case EVENT_OBJECT_NAMECHANGE: return "namechange";
    case EVENT_OBJECT_FOCUS: return "focus";
    default: return nullptr;
    }
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    const char* name = EventName(event);
    if (!name || object != OBJID_CLIENT) return;
    std::string elementName;
    if (child != CHILDID_SELF) {
        if (IAccessible* client = ClientObject(window)) {
            elementName = Describe(client, window, child).Name;
            client->Release();
        }
    }
    std::printf("%s\t", name);
    PrintHandle(window);
    std::printf("\t%ld\t%s\n", long(child), elementName.c_str());
}

int Press(HWND top, const std::wstring& name, int listenMs) {
    const std::string wanted = Utf8(name.c_str());
    const Element* found = nullptr;
    const std::vector<Element> all = AllElements(top);
    for (int pass = 0; pass < 2 && !found; ++pass)
        for (const Element& e : all)
            if (e.Role == ROLE_SYSTEM_PUSHBUTTON && e.Name == wanted &&
                (pass == 1 || !(e.State & STATE_SYSTEM_INVISIBLE))) {
                found = &e;
                break;
            }
    if (!found) {
        std::fprintf(stderr, "reader: no button %s\n", wanted.c_str());
        return 1;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(top, &process);
    HWINEVENTHOOK hook = listenMs > 0 ? SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE, nullptr, OnEvent,
                                                        process, 0, WINEVENT_OUTOFCONTEXT)
                                      : nullptr;
    IAccessible* object = ClientObject(found->Window);
    const HRESULT result = object ? object->accDoDefaultAction(Child(found->Id)) : E_FAIL;
    if (object) object->Release();
    const DWORD end = GetTickCount() + DWORD(listenMs);
    while (listenMs > 0 && LONG(end - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    if (hook) UnhookWinEvent(hook);
    if (FAILED(result)) {
        std::fprintf(stderr, "reader: %s refused the press (0x%08lx)\n", wanted.c_str(),
                     static_cast<unsigned long>(result));
        return 3;
    }
    return 0;
}

void PrintResult(const char* what, long id, HRESULT result) {
    std::printf("%s\t%ld\t0x%08lx\n", what, id, static_cast<unsigned long>(result));
}

// The calls a bad child id gets; each must fail, whatever the count.
void AskBadIds(IAccessible* object, long count) {
    for (long id : {-1L, long(LONG_MIN), count + 1}) {
        VARIANT child = Child(id), out;
        VariantInit(&out);
        BSTR text = nullptr;
        PrintResult("name", id, object->get_accName(child, &text));
        SysFreeString(text);
        PrintResult("role", id, object->get_accRole(child, &out));
        VariantClear(&out);
        long x, y, w, h;
        PrintResult("location", id, object->accLocation(&x, &y, &w, &h, child));
        long topic = 0;
        PrintResult("helptopic", id, object->get_accHelpTopic(&text, child, &topic));
        SysFreeString(text);
        PrintResult("navigate", id, object->accNavigate(NAVDIR_NEXT, child, &out));
        VariantClear(&out);
        IDispatch* dispatch = nullptr;
        PrintResult("child", id, object->get_accChild(child, &dispatch));
        if (dispatch) dispatch->Release();
    }
}

// Walks first child, next, next... and prints "walk HWND COUNT STEPS" with I (an element) or
// W (a child window's object whose parent is this window) or X (one whose parent is not).
void Walk(IAccessible* object, HWND window) {
    long count = 0;
    object->get_accChildCount(&count);
    std::string steps;
    VARIANT at;
    VariantInit(&at);
    HRESULT result = object->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &at);
    for (int guard = 0; result == S_OK && guard < 1000; ++guard) {
        long id = at.vt == VT_I4 ? at.lVal : 0;
        if (at.vt == VT_DISPATCH) {
            IAccessible* childObject = nullptr;
            IDispatch* parent = nullptr;
            HWND parentWindow = nullptr;
            if (at.pdispVal &&
                SUCCEEDED(at.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&childObject)))) {
                if (SUCCEEDED(childObject->get_accParent(&parent)) && parent) {
                    IAccessible* parentObject = nullptr;
                    if (SUCCEEDED(parent->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&parentObject)))) {
                        WindowFromAccessibleObject(parentObject, &parentWindow);
                        parentObject->Release();
                    }
                    parent->Release();
                }
                childObject->Release();
            }
            steps += parentWindow == window ? 'W' : 'X';
            // The position of a window in the walk: its id among the listed children.
            id = long(steps.size());
        } else {
            steps += at.vt == VT_I4 ? 'I' : '?';
        }
        VariantClear(&at);
        result = object->accNavigate(NAVDIR_NEXT, Child(id), &at);
    }
    VariantClear(&at);
    PrintHandle(window);
    std::printf("\twalk\t%ld\t%s\t0x%08lx\n", count, steps.c_str(), static_cast<unsigned long>(result));
}

int Check(HWND top) {
    std::vector<HWND> windows{top};
    EnumChildWindows(top, Collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (!IsWindowVisible(window)) continue;
        IAccessible* object = ClientObject(window);
        if (!object) continue;
        BSTR name = nullptr;
        object->get_accName(Child(CHILDID_SELF), &name);
        std::printf("window\t%s\t%s\n", Utf8(ClassOf(window).c_str()).c_str(), Utf8(name).c_str());
        SysFreeString(name);
        if (ClassOf(window) != L"Edit" && !Elements(window).empty()) {
            long count = 0;
            object->get_accChildCount(&count);
            AskBadIds(object, count);
            Walk(object, window);
        }
        object->Release();
    }
    for (const Element& e : AllElements(top)) {
        if (e.Name != "Next" || e.Role != ROLE_SYSTEM_PUSHBUTTON || (e.State & STATE_SYSTEM_INVISIBLE)) continue;
        IAccessible* object = ClientObject(e.Window);
        VARIANT found;
        VariantInit(&found);
        const HRESULT result = object ? object->accHitTest(e.X + e.W / 2, e.Y + e.H / 2, &found) : E_FAIL;
        std::printf("hittest\t%ld\t%ld\t0x%08lx\n", e.Id, found.vt == VT_I4 ? found.lVal : -1L,
                    static_cast<unsigned long>(result));
        VariantClear(&found);
        if (object) object->Release();
    }
    return 0;
}

// Counts and first names of the held objects, as "STAGE HWND COUNT-RESULT COUNT NAME-RESULT".
void AskHeld(const char* stage, const std::vector<std::pair<HWND, IAccessible*>>& held) {
    for (const auto& [window, object] : held) {
        long count = -1;
        const HRESULT counted = object->get_accChildCount(&count);
        BSTR name = nullptr;
        const HRESULT named = object->get_accName(Child(1), &name);
        std::printf("%s\t", stage);
        PrintHandle(window);
        std::printf("\t0x%08lx\t%ld\t0x%08lx\t%s\n", static_cast<unsigned long>(counted), count,
                    static_cast<unsigned long>(named), Utf8(name).c_str());
        SysFreeString(name);
    }
    std::fflush(stdout);
}

int Hold(HWND top, const std::wstring& flagFile) {
    std::vector<std::pair<HWND, IAccessible*>> held;
    std::vector<HWND> windows{top};
    EnumChildWindows(top, Collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows)
        if (IsWindowVisible(window) && !Elements(window).empty())
            if (IAccessible* object = ClientObject(window)) held.emplace_back(window, object);
    AskHeld("before", held);
    for (int i = 0; i < 1200 && GetFileAttributesW(flagFile.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
    AskHeld("changed", held);
    for (int i = 0; i < 1200 && IsWindow(top); ++i) Sleep(100);
    Sleep(500);
    AskHeld("closed", held);
    for (const auto& entry : held) entry.second->Release();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    CoInitialize(nullptr);
    const std::string command = argv[1];
    HWND top = FindTop(argv[2]);
    int code = 2;
    if (!top) {
        std::fprintf(stderr, "reader: no window %s\n", argv[2]);
        code = 1;
    } else if (command == "list") {
        code = List(top);
    } else if (command == "press" && argc >= 4) {
        code = Press(top, Wide(argv[3]), argc >= 5 ? std::atoi(argv[4]) : 0);
    } else if (command == "check") {
        code = Check(top);
    } else if (command == "hold" && argc >= 4) {
        code = Hold(top, Wide(argv[3]));
    }
    std::fflush(stdout);
    CoUninitialize();
    return code;
}

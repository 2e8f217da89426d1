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
//
// ROLE is "button", "text", "graphic" or the role's number; STATE holds u (unavailable),
// p (pressed), i (invisible). Exit code 0 on success, 1 when nothing was found, 2 on bad
// usage, 3 when the press was refused.
#include <windows.h>
#include <oleacc.h>

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
    }
    std::fflush(stdout);
    CoUninitialize();
    return code;
}

// Reads what a Windows program shows, from outside it, for the end-to-end tests under Wine.
// Texts are read with WM_GETTEXT and the wide list messages (the ANSI ones come back cut to
// one character under Wine). Output is UTF-8, one record a line, fields separated by tabs;
// control characters in texts are written as ^M, ^J, ^I.
//
//   probe find CAPTION [TIMEOUT_MS]   HWND CLIENT_W CLIENT_H CLIENT_SCREEN_X CLIENT_SCREEN_Y
//   probe children HWND               HWND PARENT CLASS ID VISIBLE X Y W H TEXT (client of HWND)
//   probe items HWND                  one line per item of a list box or combo box
//   probe boxes                       HWND CAPTION TEXT BUTTONS (visible #32770 dialogs)
//   probe gone CAPTION [TIMEOUT_MS]   exits 0 once no visible window has that caption
//   probe folders                     NAME PATH: what this process is (bits, wow64: 1 for a
//                                     32-bit process on 64-bit Windows) and the folders that
//                                     Windows gives a program of its bitness (programfiles,
//                                     programs, desktopdirectory)
//
// The probe is built as the program under test is (PE32 or PE32+), so that what Windows
// gives it is what it gives the installer.
//
// Exit code 0 on success, 1 when nothing was found in time, 2 on bad usage.
#include <windows.h>
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

// Arguments arrive in the ANSI code page.
std::wstring Wide(const char* text) {
    int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), size);
    out.resize(size - 1);
    return out;
}

std::string Printable(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c < 32) {
            out += L'^';
            out += wchar_t(c + 64);
        } else {
            out += c;
        }
    }
    return Utf8(out);
}

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::vector<wchar_t> buffer(length + 1);
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return std::wstring(buffer.data(), copied);
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

HWND ParseHandle(const char* text) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(text, nullptr, 0)));
}

void PrintHandle(HWND window) {
    std::printf("0x%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM list) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectAll(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND FindByCaption(const std::wstring& caption) {
    for (HWND window : TopLevelWindows())
        if (WindowText(window) == caption) return window;
    return nullptr;
}

// Polls CONDITION every 100 ms until it holds or TIMEOUT_MS have passed.
template <class Condition>
bool WaitFor(int timeout_ms, Condition condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(100);
    }
    return true;
}

int Find(const char* caption, int timeout_ms) {
    HWND found = nullptr;
    if (!WaitFor(timeout_ms, [&] { return (found = FindByCaption(Wide(caption))) != nullptr; })) return 1;
    RECT client{};
    GetClientRect(found, &client);
    POINT origin{0, 0};
    ClientToScreen(found, &origin);
    PrintHandle(found);
    std::printf("\t%ld\t%ld\t%ld\t%ld\n", client.right, client.bottom, origin.x, origin.y);
    return 0;
}

int Gone(const char* caption, int timeout_ms) {
    return WaitFor(timeout_ms, [&] { return FindByCaption(Wide(caption)) == nullptr; }) ? 0 : 1;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(parent, CollectAll, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

int Children(HWND top) {
    if (!IsWindow(top)) return 1;
    for (HWND child : Descendants(top)) {
        RECT box{};
        GetWindowRect(child, &box);
        MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&box), 2);
        PrintHandle(child);
        std::printf("\t");
        PrintHandle(GetParent(child));
        std::printf("\t%s\t%ld\t%d\t%ld\t%ld\t%ld\t%ld\t%s\n", Utf8(ClassName(child)).c_str(),
                    static_cast<long>(GetDlgCtrlID(child)), IsWindowVisible(child) ? 1 : 0, box.left, box.top,
                    box.right - box.left, box.bottom - box.top, Printable(WindowText(child)).c_str());
    }
    return 0;
}

int Items(HWND list) {
    if (!IsWindow(list)) return 1;
    bool combo = _wcsicmp(ClassName(list).c_str(), L"ComboBox") == 0;
    UINT count_message = combo ? CB_GETCOUNT : LB_GETCOUNT;
    UINT length_message = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    UINT text_message = combo ? CB_GETLBTEXT : LB_GETTEXT;
    LRESULT count = SendMessageW(list, count_message, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::vector<wchar_t> buffer(SendMessageW(list, length_message, i, 0) + 1);
        SendMessageW(list, text_message, i, reinterpret_cast<LPARAM>(buffer.data()));
        std::printf("%s\n", Printable(buffer.data()).c_str());
    }
    return 0;
}

// A message box: its caption, the text of its message (the static control with id 0xFFFF,
// else the longest static text) and its buttons' captions joined by '|'.
int Boxes() {
    for (HWND box : TopLevelWindows()) {
        if (ClassName(box) != L"#32770") continue;
        std::wstring message, buttons;
        for (HWND child : Descendants(box)) {
            std::wstring kind = ClassName(child), text = WindowText(child);
            if (_wcsicmp(kind.c_str(), L"Button") == 0) {
                buttons += (buttons.empty() ? L"" : L"|") + text;
            } else if (_wcsicmp(kind.c_str(), L"Static") == 0 &&
                       (GetDlgCtrlID(child) == 0xFFFF || text.size() > message.size())) {
                message = text;
                if (GetDlgCtrlID(child) == 0xFFFF) break;
            }
        }
        PrintHandle(box);
        std::printf("\t%s\t%s\t%s\n", Printable(WindowText(box)).c_str(), Printable(message).c_str(),
                    Printable(buttons).c_str());
    }
    return 0;
}

int Folders() {
    std::printf("bits\t%u\n", unsigned(sizeof(void*) * 8));
    // Looked up, not linked: IsWow64Process is missing on the oldest systems.
    using IsWow64Call = decltype(&::IsWow64Process);
    auto isWow64 = reinterpret_cast<IsWow64Call>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    if (isWow64) isWow64(GetCurrentProcess(), &wow64);
    std::printf("wow64\t%d\n", wow64 ? 1 : 0);
    const struct {
        const char* name;
        int csidl;
    } folders[] = {
        {"programfiles", CSIDL_PROGRAM_FILES},
        {"programs", CSIDL_PROGRAMS},
        {"desktopdirectory", CSIDL_DESKTOPDIRECTORY},
    };
    for (const auto& folder : folders) {
        char path[MAX_PATH] = "";
        if (FAILED(SHGetFolderPathA(nullptr, folder.csidl, nullptr, 0, path))) return 1;
        std::printf("%s\t%s\n", folder.name, path);
    }
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: probe find|gone CAPTION [TIMEOUT_MS] | children HWND | items HWND | boxes | folders\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    SetProcessDPIAware(); // places and sizes in the screen's pixels, at any DPI
    if (argc < 2) return Usage();
    std::string command = argv[1];
    int timeout_ms = argc > 3 ? std::atoi(argv[3]) : 0;
    int result;
    if (command == "find" && argc >= 3)
        result = Find(argv[2], timeout_ms);
    else if (command == "gone" && argc >= 3)
        result = Gone(argv[2], timeout_ms);
    else if (command == "children" && argc == 3)
        result = Children(ParseHandle(argv[2]));
    else if (command == "items" && argc == 3)
        result = Items(ParseHandle(argv[2]));
    else if (command == "boxes" && argc == 2)
        result = Boxes();
    else if (command == "folders" && argc == 2)
        result = Folders();
    else
        return Usage();
    std::fflush(stdout);
    return result;
}

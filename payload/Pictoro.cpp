// Pictoro 1.7, the application the installer carries: a window that shows the command line
// it was started with and the directory it runs from. Esc or the close box ends it.
#include <windows.h>

namespace {

constexpr int LineHeight = 20;
constexpr int Margin = 12;

HWND AddLine(HWND parent, const char* text, int line) {
    return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, Margin,
                           Margin + line * LineHeight, 600, LineHeight, parent, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

// The folder of the running executable, with its trailing backslash.
void ProgramDirectory(char* buffer, DWORD size) {
    DWORD length = GetModuleFileNameA(nullptr, buffer, size);
    while (length > 0 && buffer[length - 1] != '\\') --length;
    buffer[length] = '\0';
}

void AddContent(HWND window) {
    static char directory[MAX_PATH + 1];
    ProgramDirectory(directory, MAX_PATH);
    AddLine(window, "Command line:", 0);
    AddLine(window, GetCommandLineA(), 1);
    AddLine(window, "Runs from:", 3);
    AddLine(window, directory, 4);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: AddContent(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreateMainWindow(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "PictoroMain";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "PictoroMain", "Pictoro 1.7", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 200,
                           nullptr, nullptr, instance, nullptr);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    HWND window = CreateMainWindow(instance);
    if (!window) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) PostMessageA(window, WM_CLOSE, 0, 0);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

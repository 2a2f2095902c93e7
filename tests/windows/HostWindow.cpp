#include "HostWindow.h"

namespace {

constexpr wchar_t kClassName[] = L"GraveloWinTestHost";

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerHostClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &hostProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassW(&windowClass) != 0;
}

} // namespace

HostWindow::HostWindow() {
    registerHostClass();
    // A plain popup at the screen's corner: client and screen coordinates
    // then differ by nothing the window manager could change.
    window = CreateWindowExW(0, kClassName, L"Gravelo test host",
                             WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 640, 320, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    pump(nullptr, 50);
}

HostWindow::~HostWindow() {
    if (window != nullptr) DestroyWindow(window);
    pump(nullptr, 20);
}

void HostWindow::resize(int width, int height) const {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND HostWindow::editorWindow() const {
    return FindWindowExW(window, nullptr, nullptr, L"Window");
}

void HostWindow::pump(AEffect* effect, int ms) const {
    const DWORD end = GetTickCount() + DWORD(ms);
    do {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (effect != nullptr) effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f);
        Sleep(10);
    } while (LONG(GetTickCount() - end) < 0);
}

std::vector<uint32_t> capturePixels(HWND window, int width, int height) {
    std::vector<uint32_t> pixels;
    HDC source = GetDC(window);
    if (source == nullptr) return pixels;
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr && bits != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY)) {
            GdiFlush();
            const auto* words = static_cast<const uint32_t*>(bits);
            pixels.assign(words, words + size_t(width) * size_t(height));
            for (uint32_t& p : pixels)
                p &= 0xffffffu;
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(window, source);
    return pixels;
}

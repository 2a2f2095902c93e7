// Starting and stopping the library. GraphicsGlobals calls these for its
// first user and after its last one; never from the loader notification.
#include "GdiplusTypes.h"

namespace VSTGUI::platform {
namespace {

ULONG_PTR token = 0;
bool running = false;

} // namespace

void startup() {
    if (running) return;
    GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    running = GdiplusStartup(&token, &input, nullptr) == Ok;
}

void shutdown() {
    if (!running) return;
    GdiplusShutdown(token);
    running = false;
    token = 0;
}

bool libraryRunning() {
    return running;
}

std::wstring widen(const char* text) {
    if (text == nullptr || *text == '\0') return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
    wide.resize(size_t(length - 1));
    return wide;
}

} // namespace VSTGUI::platform

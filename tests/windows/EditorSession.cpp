#include "EditorSession.h"

EditorSession::~EditorSession() {
    if (effect != nullptr) {
        effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0.0f);
        PluginLibrary::destroy(effect);
    }
}

std::string EditorSession::display(VstInt32 index) {
    char text[64] = {};
    effect->dispatcher(effect, effGetParamDisplay, index, 0, text, 0.0f);
    return text;
}

SIZE EditorSession::childSize() const {
    RECT client{};
    if (child() == nullptr || !GetClientRect(child(), &client)) return {0, 0};
    return {client.right, client.bottom};
}

void startInstance(EditorSession& s) {
    s.host = std::make_unique<HostWindow>();
    s.effect = s.library->create();
    AEffect* e = s.plugin();
    e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
    e->dispatcher(e, effSetSampleRate, 0, 0, nullptr, 48000.0f);
    e->dispatcher(e, effMainsChanged, 0, 1, nullptr, 0.0f);
}

void pointTo(HWND window, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    POINT now{};
    if (GetCursorPos(&now) && now.x == screen.x && now.y == screen.y) return;
    SetCursorPos(screen.x, screen.y);
}

void post(HWND window, UINT message, WPARAM keys, int x, int y, int waitMs, EditorSession& s) {
    pointTo(window, x, y);
    PostMessageW(window, message, keys, MAKELPARAM(x, y));
    s.host->pump(s.effect, waitMs);
}

void dragUp(EditorSession& s, int x, int y, int distance, int steps) {
    HWND child = s.child();
    post(child, WM_MOUSEMOVE, 0, x, y, kFrameWait, s);
    post(child, WM_LBUTTONDOWN, MK_LBUTTON, x, y, kFrameWait, s);
    for (int step = 1; step <= steps; ++step)
        post(child, WM_MOUSEMOVE, MK_LBUTTON, x, y - distance * step / steps, kFrameWait, s);
    post(child, WM_LBUTTONUP, 0, x, y - distance, kFrameWait, s);
}

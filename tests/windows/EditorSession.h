// A VST 2.x editor open in a window of this host, and real window messages
// to it: what the editor cases and the content-scale cases share.
#pragma once

#include "Check.h"
#include "HostWindow.h"
#include "PluginLibrary.h"

#include <memory>
#include <string>

// Long enough for a few frames at the editor's 30 per second.
constexpr int kFrameWait = 80;

struct EditorSession {
    std::shared_ptr<PluginLibrary> library;
    std::unique_ptr<HostWindow> host;
    AEffect* effect = nullptr;
    std::string pictures;

    ~EditorSession();
    AEffect* plugin() {
        check(effect != nullptr, "no plug-in (an earlier case failed)");
        return effect;
    }
    std::string display(VstInt32 index);
    HWND child() const { return host != nullptr ? host->editorWindow() : nullptr; }
    // The size of the editor's child window; 0 x 0 without one.
    SIZE childSize() const;
};

// A host window and an instance, started as a host starts it, its editor
// not yet open.
void startInstance(EditorSession& s);
// Puts the system's pointer at (x, y) of window, so that what the system
// reads agrees with the messages. Moving it makes the window system send
// a move message of its own.
void pointTo(HWND window, int x, int y);
// Posts a mouse message at (x, y) of window, then lets the host run.
void post(HWND window, UINT message, WPARAM keys, int x, int y, int waitMs, EditorSession& s);
// A press at (x, y), a move up by distance pixels in steps, the release.
void dragUp(EditorSession& s, int x, int y, int distance, int steps);

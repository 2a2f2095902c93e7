#include "EditorInput.h"

#include "TVobrix.h"

namespace gravelo::runtime {

namespace {

void movePointer(TVobrix& runtime, double x, double y) {
    runtime.mouseX = x;
    runtime.mouseY = y;
}

} // namespace

// A NaN rate compares false and stays NaN; a faster rate stays.
void raiseRedrawRate(TVobrix& runtime) {
    const double rate = runtime.gfxRate;
    if (rate < runtime.redrawRate) runtime.gfxRate = runtime.redrawRate;
}

double mouseButtonsFromButtonState(int32_t buttons) {
    static constexpr struct {
        int32_t from;
        int to;
    } kMapping[] = {{2, 1}, {8, 2}, {32, 4}, {16, 8}, {64, 16}, {4, 64}};
    int word = 0;
    for (const auto& bit : kMapping)
        if ((buttons & bit.from) != 0) word |= bit.to;
    return static_cast<double>(word);
}

void mouseDown(TVobrix& runtime, double x, double y, int32_t buttonState) {
    runtime.mouseX = runtime.mousePressX = x;
    runtime.mouseY = runtime.mousePressY = y;
    runtime.mouseButtons = mouseButtonsFromButtonState(buttonState);
    raiseRedrawRate(runtime);
}

void mouseUp(TVobrix& runtime, double x, double y) {
    movePointer(runtime, x, y);
    const double held = runtime.mouseButtons;
    if (held != 0.0) {
        runtime.releaseX = x;
        runtime.releaseY = y;
        runtime.releasePressX = runtime.mousePressX.load();
        runtime.releasePressY = runtime.mousePressY.load();
        runtime.releasedButtons = held;
    }
    runtime.mouseButtons = 0.0;
    raiseRedrawRate(runtime);
}

bool releasePending(const TVobrix& runtime) {
    return runtime.releasedButtons != 0.0;
}

MouseFrame takeMouseFrame(TVobrix& runtime) {
    MouseFrame frame;
    if (releasePending(runtime)) {
        MouseState released{runtime.releasedButtons, runtime.releaseX, runtime.releaseY,
                            runtime.releasePressX, runtime.releasePressY};
        frame.states[frame.count++] = released;
        released.buttons = 0.0;
        frame.states[frame.count++] = released;
        runtime.releasedButtons = 0.0;
    }
    frame.states[frame.count++] = currentMouse(runtime);
    return frame;
}

MouseState currentMouse(const TVobrix& runtime) {
    return {runtime.mouseButtons, runtime.mouseX, runtime.mouseY, runtime.mousePressX,
            runtime.mousePressY};
}

void mouseMoved(TVobrix& runtime, double x, double y) {
    movePointer(runtime, x, y);
    raiseRedrawRate(runtime);
}

void mouseWheel(TVobrix& runtime, double x, double y, double notches) {
    movePointer(runtime, x, y);
    runtime.wheelNotches = runtime.wheelNotches + notches;
    raiseRedrawRate(runtime);
}

double takeWheelNotches(TVobrix& runtime) {
    const double notches = runtime.wheelNotches;
    runtime.wheelNotches = 0.0;
    return notches;
}

} // namespace gravelo::runtime

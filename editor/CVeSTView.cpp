#include "CVeSTView.h"

#include "CVeSTCanvas.h"
#include "VeSTEditorClient.h"
#include "toolkit/COffscreenContext.h"

#include <algorithm>
#include <cstring>

using namespace VSTGUI;

namespace {

// The box of the pixels that differ between two pictures of width x height
// (stored row by row); empty when none does.
ViewRect changedBox(const std::vector<uint32_t>& before, const std::vector<uint32_t>& now,
                    int width, int height) {
    int left = width, top = height, right = 0, bottom = 0;
    for (int y = 0; y < height; ++y) {
        const uint32_t* a = before.data() + size_t(y) * size_t(width);
        const uint32_t* b = now.data() + size_t(y) * size_t(width);
        if (std::memcmp(a, b, size_t(width) * sizeof(uint32_t)) == 0) continue;
        top = std::min(top, y);
        bottom = y + 1;
        int first = 0, last = width - 1;
        while (a[first] == b[first])
            ++first;
        while (a[last] == b[last])
            --last;
        left = std::min(left, first);
        right = std::max(right, last + 1);
    }
    return right > left ? ViewRect(left, top, right, bottom) : ViewRect();
}

} // namespace

CVeSTView::CVeSTView(const ViewRect& rect, VeSTEditorClient* owner)
    : CView(rect), client(owner), boundsCopy(rect) {}

void CVeSTView::draw(CDrawContext* context) {
    if (client == nullptr) return;
    CVeSTCanvas* canvas = client->editorCanvas();
    if (context->getScale() != 1.0 && canvas != nullptr && canvas->hasRecording()) {
        canvas->replay(context);
        return;
    }
    client->onDraw(context, boundsCopy.width(), boundsCopy.height());
}

bool CVeSTView::canRenderFrames() const {
    return client != nullptr && client->editorCanvas() != nullptr;
}

void CVeSTView::renderFrame() {
    if (!canRenderFrames()) return;
    const int width = int(boundsCopy.width()), height = int(boundsCopy.height());
    // A fresh context each frame: the recording starts from the defaults,
    // as every context the frame paints with does.
    auto* probe = new COffscreenContext(nullptr, width, height);
    CVeSTCanvas& canvas = *client->editorCanvas();
    canvas.startRecording();
    client->onDraw(probe, width, height);
    canvas.stopRecording();
    std::vector<uint32_t> frame(size_t(width) * size_t(height));
    size_t stride = 0;
    if (const uint32_t* words = probe->getBitmap()->pixelWords(stride))
        for (int y = 0; y < height; ++y)
            std::copy_n(words + size_t(y) * stride, width,
                        frame.begin() + std::ptrdiff_t(y) * width);
    probe->forget();
    ViewRect changed = lastFrame.size() == frame.size()
                           ? changedBox(lastFrame, frame, width, height)
                           : ViewRect(0, 0, width, height);
    lastFrame.swap(frame);
    if (changed.isEmpty()) return;
    changed.offset(boundsCopy.left, boundsCopy.top);
    invalidRect(changed);
}

// Answering "handled" even when the shell ignores the event keeps the mouse
// with this view until the release, like any press it takes.
CMouseEventResult CVeSTView::onMouseDown(ViewPoint& where, const CButtonState& buttons) {
    if (client != nullptr) client->onMouseDown(where.x, where.y, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CVeSTView::onMouseUp(ViewPoint& where, const CButtonState& buttons) {
    if (client != nullptr) client->onMouseUp(where.x, where.y, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CVeSTView::onMouseMoved(ViewPoint& where, const CButtonState& buttons) {
    if (client != nullptr) client->onMouseMoved(where.x, where.y, buttons);
    return kMouseEventHandled;
}

// The frame turns the first move onto the view (and the first one after
// every press) into an entry only; the effect must still learn where the
// pointer is.
CMouseEventResult CVeSTView::onMouseEntered(ViewPoint& where, const CButtonState& buttons) {
    return onMouseMoved(where, buttons);
}

// The vertical wheel only: a sideways one has nothing to turn.
bool CVeSTView::onWheel(const ViewPoint& where, const CMouseWheelAxis& axis, const float& distance,
                        const CButtonState& buttons) {
    if (client == nullptr || axis != VSTGUI::kMouseWheelAxisY) return false;
    return client->onWheel(where.x, where.y, distance, buttons);
}

int32_t CVeSTView::onKeyDown(KeyCode& key) {
    if (client != nullptr) client->onKeyDown(key);
    return 1;
}

int32_t CVeSTView::onKeyUp(KeyCode& key) {
    if (client != nullptr) client->onKeyUp(key);
    return 1;
}

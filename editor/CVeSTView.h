// The editor's one view: it draws nothing itself but hands each draw (with
// its context), the mouse and the keys to the shell through its editor
// client. User-interface thread only.
//
// At a content scale above 1 a frame of the effect is drawn once, at 1x
// and recorded (renderFrame); only the area whose 1x pixels changed since
// the frame before is repainted, from the recording at the scale. An idle
// panel then costs a 1x draw per frame, whatever the scale.
#pragma once

#include "toolkit/CView.h"

#include <cstdint>
#include <vector>

class VeSTEditorClient;

class CVeSTView : public VSTGUI::CView {
  public:
    CVeSTView(const VSTGUI::ViewRect& size, VeSTEditorClient* client);
    ~CVeSTView() override = default;

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::ViewPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::ViewPoint& where,
                                        const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::ViewPoint& where,
                                           const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::ViewPoint& where,
                                             const VSTGUI::CButtonState& buttons) override;
    using VSTGUI::CView::onWheel;
    bool onWheel(const VSTGUI::ViewPoint& where, const VSTGUI::CMouseWheelAxis& axis,
                 const float& distance, const VSTGUI::CButtonState& buttons) override;
    int32_t onKeyDown(KeyCode& key) override;
    int32_t onKeyUp(KeyCode& key) override;

    // What the view reports as its drawing size and a full repaint covers.
    const VSTGUI::ViewRect& getBoundsCopy() const { return boundsCopy; }

    // Whether the client lends a canvas that renderFrame can record on.
    bool canRenderFrames() const;
    // Draws a frame of the effect at 1x, recorded, and invalidates the area
    // that changed since the last one (everything the first time).
    void renderFrame();

  private:
    VeSTEditorClient* client;
    VSTGUI::ViewRect boundsCopy;
    std::vector<uint32_t> lastFrame; // the 1x pixels of the frame before
};

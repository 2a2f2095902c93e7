// The editor's one view: it draws nothing itself but hands each draw (with
// its context), the mouse and the keys to the shell through its editor
// client. User-interface thread only.
#pragma once

#include "toolkit/CView.h"

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
    int32_t onKeyDown(KeyCode& key) override;
    int32_t onKeyUp(KeyCode& key) override;

    // What the view reports as its drawing size and a full repaint covers.
    const VSTGUI::ViewRect& getBoundsCopy() const { return boundsCopy; }

  private:
    VeSTEditorClient* client;
    VSTGUI::ViewRect boundsCopy;
};

// The editor's one view: it draws nothing itself but lends each draw
// context to the shell and hands draws, mouse and keys to the effect
// through the shell's callback table. User-interface thread only.
#pragma once

#include "toolkit/CView.h"

class CVeST;

class CVeSTView : public VSTGUI::CView {
  public:
    CVeSTView(const VSTGUI::ViewRect& size, CVeST* shell);
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
    CVeST* shell;
    VSTGUI::ViewRect boundsCopy;
};

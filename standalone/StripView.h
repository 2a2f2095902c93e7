// The strip beneath the panel, drawn with the toolkit in the panel's
// colours: the preset's name between previous / next buttons, a Save
// button, the input meter with its clip lamp, the DSP load and the xruns.
// User-interface thread only.
#pragma once

#include "toolkit/CView.h"

#include <cstdint>
#include <string>

namespace VSTGUI {
class CFontDesc;
}

namespace gravelo::standalone {

struct StripStatus {
    std::string presetName;
    double meterFraction = 0.0; // 0..1 of the meter's length
    bool clipLit = false;
    int dspLoadPercent = 0;
    uint32_t xruns = 0;

    bool operator==(const StripStatus&) const = default;
};

class StripListener {
  public:
    virtual void stripPrevious() = 0;
    virtual void stripNext() = 0;
    virtual void stripSave() = 0;

  protected:
    ~StripListener() = default;
};

class StripView final : public VSTGUI::CView {
  public:
    StripView(const VSTGUI::ViewRect& size, StripListener& listener);
    ~StripView() override;

    // Redrawn when anything shown changed.
    void show(const StripStatus& status);

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::ViewPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;

  private:
    void drawButton(VSTGUI::CDrawContext* context, const VSTGUI::ViewRect& box, const char* text);
    void drawMeter(VSTGUI::CDrawContext* context);

    StripListener& listener;
    StripStatus shown;
    VSTGUI::CFontDesc* font;
};

} // namespace gravelo::standalone

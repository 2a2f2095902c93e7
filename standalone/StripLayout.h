// Where everything on the strip beneath the panel sits, in the strip's
// coordinates (it spans the panel's width): the one place the drawing, the
// mouse and the tests take it from.
#pragma once

#include "effect/panel/PanelLayout.h"
#include "toolkit/ViewTypes.h"

namespace gravelo::standalone::strip_layout {

constexpr int kWidth = panel_layout::kWidth;
constexpr int kHeight = 48;

inline const VSTGUI::ViewRect kPrevious{10, 10, 38, 38};
inline const VSTGUI::ViewRect kName{44, 10, 232, 38};
inline const VSTGUI::ViewRect kNext{238, 10, 266, 38};
inline const VSTGUI::ViewRect kSave{278, 10, 338, 38};
inline const VSTGUI::ViewRect kMeter{356, 18, 496, 30};
inline const VSTGUI::ViewRect kClipLamp{504, 16, 520, 32};
inline const VSTGUI::ViewRect kLoad{528, 6, 596, 24};
inline const VSTGUI::ViewRect kXruns{528, 24, 596, 42};

} // namespace gravelo::standalone::strip_layout

#include "TVobrixEffect.h"

void TVobrixEffect::doGraphics() {
    panel.drawControls(*this, amp);
    panel.drawBuildLabel(*this);
}

// The panel repaints at its redraw rate while anything it shows moves; a
// frame that would draw exactly the last one's picture is left out, so an
// open editor with nothing to show costs next to nothing. (A window system's
// request to repaint is not an idle frame and is always served.)
void TVobrixEffect::doIdle() {
    if (panel.wouldRepeatLastFrame(*this, amp)) return;
    TVobrix::doIdle();
}

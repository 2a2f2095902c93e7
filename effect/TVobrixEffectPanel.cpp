#include "TVobrixEffect.h"

void TVobrixEffect::doGraphics() {
    panel.drawControls(*this, amp);
    // The audio follows a knob one frame after it moved.
    if (panel.takeRecompute()) controlUpdate();
    panel.drawBuildLabel(*this);
}

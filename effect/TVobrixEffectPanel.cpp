#include "TVobrixEffect.h"

void TVobrixEffect::doGraphics() {
    panel.drawControls(*this, amp);
    panel.drawBuildLabel(*this);
}

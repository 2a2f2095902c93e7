#include "TVobrixEffect.h"

void TVobrixEffect::doGraphics() {}

#include "TVobrixEffect.h"

void TVobrixEffect::doInit() {}
void TVobrixEffect::doBlock() {}
void TVobrixEffect::doSample() {}
void TVobrixEffect::controlUpdate() {}

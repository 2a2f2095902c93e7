// Ctrl-C and termination during a render end it cleanly, so that the
// temporary output is removed instead of left behind.
#pragma once

namespace gravelo::render {

void catchInterruptions();
bool interruptionRequested();

} // namespace gravelo::render

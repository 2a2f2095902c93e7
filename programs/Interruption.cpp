#include "programs/Interruption.h"

#include <csignal>

namespace gravelo::render {

namespace {
volatile std::sig_atomic_t requested = 0;
void onSignal(int) {
    requested = 1;
}
} // namespace

void catchInterruptions() {
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGHUP, onSignal);
}

bool interruptionRequested() {
    return requested != 0;
}

} // namespace gravelo::render

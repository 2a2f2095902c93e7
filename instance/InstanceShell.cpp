#include "instance/InstanceShell.h"

#include "effect/TVobrixEffect.h"

#include <utility>

namespace gravelo::instance {

InstanceShell::InstanceShell(TVobrixEffect& hosted) : effect(hosted) {}

TVobrix* InstanceShell::hostedRuntime() {
    return &effect;
}

bool InstanceShell::takeRepaint() {
    return std::exchange(repaintDue, false);
}

bool InstanceShell::repaintEditor() {
    if (!panelShown) return false;
    repaintDue = true;
    return true;
}

// The size the effect declares for its panel, which a panel window shows.
bool InstanceShell::editorSize(int32_t& width, int32_t& height) {
    if (effect.editorWidth <= 0 || effect.editorHeight <= 0) return false;
    width = effect.editorWidth;
    height = effect.editorHeight;
    return true;
}

} // namespace gravelo::instance

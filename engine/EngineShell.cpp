#include "engine/EngineShell.h"

#include "effect/TVobrixEffect.h"

#include <utility>

namespace engine {

EngineShell::EngineShell(TVobrixEffect& hosted) : effect(hosted) {}

TVobrix* EngineShell::hostedRuntime() {
    return &effect;
}

bool EngineShell::takeRepaint() {
    return std::exchange(repaintDue, false);
}

bool EngineShell::repaintEditor() {
    if (!panelShown) return false;
    repaintDue = true;
    return true;
}

// The size the effect declares for its panel, which a panel window shows.
bool EngineShell::editorSize(int32_t& width, int32_t& height) {
    if (effect.editorWidth <= 0 || effect.editorHeight <= 0) return false;
    width = effect.editorWidth;
    height = effect.editorHeight;
    return true;
}

} // namespace engine

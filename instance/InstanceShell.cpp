#include "instance/InstanceShell.h"

#include "runtime/TVobrix.h"

#include <utility>

namespace gravelo::instance {

TVobrix* InstanceShell::hostedRuntime() {
    return runtime;
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
    if (runtime == nullptr || runtime->editorWidth <= 0 || runtime->editorHeight <= 0) return false;
    width = runtime->editorWidth;
    height = runtime->editorHeight;
    return true;
}

} // namespace gravelo::instance

#include "GraphicsGlobals.h"

#include "CFontDesc.h"

#include "platform/GraphicsBackend.h"

namespace VSTGUI {
namespace {

// One instance per process while the library is in use.
GraphicsGlobals* instance = nullptr;

} // namespace

void GraphicsGlobals::enter() {
    if (instance != nullptr) {
        ++instance->references;
        return;
    }
    platform::startup();
    instance = new GraphicsGlobals();
}

void GraphicsGlobals::leave() {
    if (instance == nullptr || --instance->references > 0) return;
    for (int i = 0; i < kSharedFontCount; ++i)
        sharedFontDescription(i)->freePlatformFont();
    delete instance;
    instance = nullptr;
    platform::shutdown();
}

int32_t GraphicsGlobals::referenceCount() {
    return instance != nullptr ? instance->references : 0;
}

} // namespace VSTGUI

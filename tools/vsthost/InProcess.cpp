#include "InProcess.h"

#include "effect/TVobrixEffect.h"
#include "host/CVeST.h"
#include "host/VeSTBridge.h"

namespace gravelo::vsthost {

AEffect* createAmplifier(audioMasterCallback callback) {
    return createPlugin(new TVobrixEffect(), callback);
}

bool createWithRuntime(Host& host, TVobrix* runtime) {
    return host.create(
        [runtime](audioMasterCallback callback) { return createPlugin(runtime, callback); });
}

CVeST& shellOf(const AEffect* effect) {
    return *static_cast<CVeST*>(effect->object);
}

TVobrixEffect& amplifierOf(const AEffect* effect) {
    return *static_cast<TVobrixEffect*>(shellOf(effect).runtime);
}

} // namespace gravelo::vsthost

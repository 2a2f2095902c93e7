// The amplifier made in the caller's own process, as the exported entry
// makes it in a loaded library: for unit tests, fuzz targets, benchmarks
// and tools that reach behind the AEffect record.
#pragma once

#include "Host.h"

class CVeST;
class TVobrix;
class TVobrixEffect;

namespace gravelo::vsthost {

// Of the same type as VSTPluginMain: hand it to Host::create.
AEffect* createAmplifier(audioMasterCallback callback);
// A shell around `runtime` (which it takes) as the instance of `host`.
bool createWithRuntime(Host& host, TVobrix* runtime);

// The shell and the runtime behind an instance made in this process.
CVeST& shellOf(const AEffect* effect);
TVobrixEffect& amplifierOf(const AEffect* effect);

} // namespace gravelo::vsthost

#include "ClapTestHost.h"
#include "Vst3TestHost.h"
#include "support/routes/Route.h"
#include "vsthost/PluginLibrary.h"

namespace gravelo::test::routes {

const Entries& builtEntries() {
    static const auto vst2 = vsthost::PluginLibrary::load(vsthost::builtPluginPath());
    static const clap::ClapLibrary clapLibrary(GRAVELO_CLAP_PATH);
    static const Entries entries{
        [](audioMasterCallback callback) { return vst2->entry()(callback); },
        clapLibrary.entry(),
        [] { return static_cast<void*>(vst3::builtModule().factory()); },
    };
    return entries;
}

} // namespace gravelo::test::routes

#include "support/routes/Route.h"

namespace gravelo::test::routes {

std::vector<RouteMaker> allRoutes(const Entries& entries, const HostManner& manner) {
    return {
        {"VST 2.x", [entries] { return makeVst2Route(entries); }},
        {"CLAP", [entries, manner] { return makeClapRoute(entries, manner); }},
        {"VST 3", [entries, manner] { return makeVst3Route(entries, manner); }},
        {"LV2", [manner] { return makeLv2Route(manner); }},
        {"gravelo-amp", [] { return makeAmpRoute(); }},
        {"renderer", [] { return makeRendererRoute(); }},
    };
}

} // namespace gravelo::test::routes

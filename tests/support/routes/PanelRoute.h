// A format's panel as its hosts show it: opened into the host's window at
// scale 1, run by the host's loop, told of the host's changes as the format
// tells its panel, and what it tells the host recorded as gestures. Tests
// hold every format's panel to the same properties (PanelProperties.h).
#pragma once

#include "support/routes/Route.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gravelo::test::routes {

struct Gesture {
    char kind; // 'b' begin, 'v' value, 'e' end; '?' what the format does not define
    int index;
    double value; // values only, in panel units
};

class PanelRoute {
  public:
    virtual ~PanelRoute() = default;
    virtual bool open(void* parentWindow) = 0;
    // The host's loop for about ms milliseconds.
    virtual void idle(int ms) = 0;
    // A host's change in panel units, as the format hands it to its panel.
    virtual void hostSets(int index, double value) = 0;
    // The control's value as the host reads it, in panel units.
    virtual double hostValue(int index) = 0;
    // Whether the format reports a drag as begin / values / end.
    virtual bool reportsGestures() const { return true; }
    // What the panel told the host since the last call.
    virtual std::vector<Gesture> gestures() = 0;
};

struct PanelRouteMaker {
    std::string name;
    std::function<std::unique_ptr<PanelRoute>()> make;
};

// VST 2.x, CLAP, VST 3 and LV2's UI, the modules loaded as hosts load them.
std::vector<PanelRouteMaker> allPanelRoutes(const Entries& entries);

} // namespace gravelo::test::routes

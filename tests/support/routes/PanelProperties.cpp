#include "support/routes/PanelProperties.h"

#include "support/HostWindow.h"

namespace gravelo::test::routes {

namespace {

constexpr int kOutput = 1;
constexpr int kKnobX = 520, kKnobY = 90; // the middle of the Output knob

// The Output knob with its value label, as the host's window shows it.
std::vector<uint32_t> outputKnob(const display::HostWindow& window) {
    return window.captureBox(470, 50, 100, 100);
}

class Faulty final : public PanelRoute {
  public:
    Faulty(std::unique_ptr<PanelRoute> panel, PanelFault planted)
        : inner(std::move(panel)), fault(planted) {}
    bool open(void* parent) override { return inner->open(parent); }
    void idle(int ms) override { inner->idle(ms); }
    void hostSets(int index, double value) override {
        if (fault != PanelFault::HostChangeDropped) inner->hostSets(index, value);
    }
    double hostValue(int index) override {
        return inner->hostValue(index) + (fault == PanelFault::HostValueOff ? 0.5 : 0.0);
    }
    bool reportsGestures() const override { return inner->reportsGestures(); }
    std::vector<Gesture> gestures() override {
        std::vector<Gesture> told = inner->gestures();
        if (fault == PanelFault::GestureBeginLost && !told.empty() && told.front().kind == 'b')
            told.erase(told.begin());
        if (fault == PanelFault::GestureEndLost && !told.empty() && told.back().kind == 'e')
            told.pop_back();
        if (fault == PanelFault::LastValueLost && told.size() >= 3 && told.back().kind == 'e')
            told.erase(told.end() - 2);
        return told;
    }

  private:
    std::unique_ptr<PanelRoute> inner;
    PanelFault fault;
};

// One gesture on Output: begin, values, end, the last value `last`.
std::string oneGestureEndingAt(const std::vector<Gesture>& told, double last) {
    if (told.size() < 3) return "fewer than begin, a value and end";
    if (told.front().kind != 'b' || told.back().kind != 'e') return "not begin ... end";
    for (const Gesture& g : told)
        if (g.index != kOutput) return "a gesture names another control";
    for (size_t i = 1; i + 1 < told.size(); ++i)
        if (told[i].kind != 'v') return "not values between begin and end";
    if (told[told.size() - 2].value != last)
        return "the gesture ends at " + std::to_string(told[told.size() - 2].value) + " dB";
    return {};
}

std::string hostHolds(PanelRoute& panel, double expected) {
    const double held = panel.hostValue(kOutput);
    if (held == expected) return {};
    return "the host holds " + std::to_string(held) + " dB";
}

} // namespace

std::string hostChangeMovesTheKnob(const MakePanel& make) {
    display::HostWindow window(0, 0, 600, 284);
    const auto panel = make();
    if (!panel->open(window.handle())) return "the panel does not open";
    panel->idle(100);
    const std::vector<uint32_t> atZero = outputKnob(window);
    panel->hostSets(kOutput, 10.0);
    panel->idle(150);
    const std::vector<uint32_t> atTen = outputKnob(window);
    if (atTen == atZero) return "the knob does not follow the host to +10 dB";
    panel->hostSets(kOutput, 0.0);
    panel->idle(150);
    if (outputKnob(window) != atZero) return "the knob does not follow the host back to 0 dB";
    panel->hostSets(kOutput, 10.0);
    panel->idle(150);
    if (outputKnob(window) != atTen) return "the knob shows +10 dB otherwise the second time";
    if (!panel->gestures().empty()) return "the host's changes are reported back to it";
    return {};
}

std::string dragReachesTheHostAsAGesture(const MakePanel& make) {
    display::HostWindow window(0, 0, 600, 284);
    const auto panel = make();
    if (!panel->reportsGestures()) return {};
    if (!panel->open(window.handle())) return "the panel does not open";
    panel->idle(100);
    window.dragInLoop(kKnobX, kKnobY, -20, [&](int ms) { panel->idle(ms); });
    return oneGestureEndingAt(panel->gestures(), 10.0);
}

std::string wheelTurnsAStepPerNotch(const MakePanel& make) {
    display::HostWindow window(0, 0, 600, 284);
    const auto panel = make();
    if (!panel->open(window.handle())) return "the panel does not open";
    window.moveTo(kKnobX, kKnobY);
    panel->idle(100);
    const std::vector<uint32_t> before = outputKnob(window);
    for (int notch = 0; notch < 5; ++notch) {
        window.wheel(1);
        panel->idle(40);
    }
    panel->idle(800); // well past the rest that ends a wheel's gesture
    if (!panel->reportsGestures()) {
        if (outputKnob(window) != before) return "the knob moves";
        return hostHolds(*panel, 0.0);
    }
    if (std::string held = hostHolds(*panel, 2.5); !held.empty()) return held;
    return oneGestureEndingAt(panel->gestures(), 2.5);
}

std::string shiftDragMovesATenth(const MakePanel& make) {
    display::HostWindow window(0, 0, 600, 284);
    const auto panel = make();
    if (!panel->open(window.handle())) return "the panel does not open";
    panel->idle(100);
    window.shiftKey(true);
    window.dragInLoop(kKnobX, kKnobY, -20, [&](int ms) { panel->idle(ms); });
    window.shiftKey(false);
    if (!panel->reportsGestures()) return hostHolds(*panel, 10.0);
    if (std::string held = hostHolds(*panel, 1.0); !held.empty()) return held;
    return oneGestureEndingAt(panel->gestures(), 1.0);
}

std::string quickReleaseEndsWhereThePointerWentUp(const MakePanel& make) {
    display::HostWindow window(0, 0, 600, 284);
    const auto panel = make();
    if (!panel->reportsGestures()) return {};
    if (!panel->open(window.handle())) return "the panel does not open";
    panel->idle(100);
    for (int round = 0; round < 10; ++round) {
        panel->hostSets(kOutput, 0.0);
        panel->idle(20);
        panel->gestures();
        window.flick(kKnobX, kKnobY, -20, round % 6, [&] { panel->idle(40); });
        panel->idle(60);
        double last = 0.0;
        for (const Gesture& g : panel->gestures())
            if (g.kind == 'v') last = g.value;
        if (last != 10.0)
            return "round " + std::to_string(round) + " ends at " + std::to_string(last) + " dB";
    }
    return {};
}

MakePanel withFault(const MakePanel& panel, PanelFault fault) {
    return [panel, fault] { return std::make_unique<Faulty>(panel(), fault); };
}

} // namespace gravelo::test::routes

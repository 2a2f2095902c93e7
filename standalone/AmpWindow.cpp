#include "standalone/AmpWindow.h"

#include "effect/Identity.h"
#include "standalone/StripLayout.h"
#include "toolkit/CFrame.h"
#include "toolkit/ContentScale.h"
#include "toolkit/platform/TopLevelWindow.h"

namespace gravelo::standalone {

static_assert(AmpWindow::kHeight == instance::PanelWindow::kHeight + strip_layout::kHeight);

AmpWindow::AmpWindow(instance::AmpInstance& amp, StripListener& listener)
    : stripListener(listener), panel(amp, *this) {}

std::unique_ptr<AmpWindow> AmpWindow::open(instance::AmpInstance& amp, StripListener& strip) {
    std::unique_ptr<AmpWindow> window(new AmpWindow(amp, strip));
    if (!window->build()) return nullptr;
    return window;
}

bool AmpWindow::build() {
    const double scale = panel.contentScale();
    const int width = panel.windowWidth(), panelHeight = panel.windowHeight();
    const int stripHeight = VSTGUI::scaledLength(strip_layout::kHeight, scale);
    top = VSTGUI::platform::TopLevelWindow::create(identity::kEffectName, identity::kProgramName,
                                                   identity::kProductName, width,
                                                   panelHeight + stripHeight);
    if (top == nullptr) return false;
    void* panelArea = top->addArea(0, 0, width, panelHeight);
    void* stripArea = top->addArea(0, panelHeight, width, stripHeight);
    if (panelArea == nullptr || stripArea == nullptr || !panel.open(panelArea)) return false;
    const VSTGUI::ViewRect area(0, 0, strip_layout::kWidth, strip_layout::kHeight);
    stripFrame = new VSTGUI::CFrame(area, stripArea, nullptr, scale);
    if (!stripFrame->hasWindow()) return false;
    strip = new StripView(area, stripListener);
    stripFrame->addView(strip); // the frame releases the view when it goes
    return true;
}

AmpWindow::~AmpWindow() {
    panel.close();
    if (stripFrame != nullptr) stripFrame->forget();
}

void AmpWindow::tick(const StripStatus& status) {
    panel.tick();
    if (strip != nullptr) strip->show(status);
    if (stripFrame != nullptr) stripFrame->idle();
}

bool AmpWindow::closeRequested() {
    return top->closeRequested();
}

std::vector<int> AmpWindow::eventDescriptors() const {
    std::vector<int> descriptors;
    for (int fd : {top->eventDescriptor(), panel.eventDescriptor(),
                   stripFrame != nullptr ? stripFrame->getEventDescriptor() : -1})
        if (fd >= 0) descriptors.push_back(fd);
    return descriptors;
}

} // namespace gravelo::standalone

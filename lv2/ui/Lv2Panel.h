// The LV2 UI: the amplifier's panel in the host's parent window, speaking
// to the plug-in only through its ports. A knob the panel moves is written
// to its control port (the host owns it, shows it, saves and automates it);
// a control port the host changes moves the knob; the band-gain and lamp
// outputs drive the meters and the lamp. The panel runs on an amplifier of
// its own that never processes audio. Its scale is the host's ui:scaleFactor
// option (else the system's); the host may resize it (ui:resize), and it
// tells the host its size through the host's ui:resize. UI thread only.
#pragma once

#include "instance/AmpInstance.h"
#include "instance/PanelWindow.h"
#include "lv2/Ports.h"

#include <array>
#include <lv2/ui/ui.h>
#include <memory>

namespace gravelo::lv2 {

class Lv2Panel final : private instance::PanelListener {
  public:
    // Null when the host gives no parent window or the window cannot be made.
    static std::unique_ptr<Lv2Panel> create(LV2UI_Write_Function write, LV2UI_Controller controller,
                                            const LV2_Feature* const* features);
    ~Lv2Panel();

    // The panel's window, for the host.
    LV2UI_Widget widget() const { return window.nativeWindow(); }
    void portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer);
    // Window events, host changes and repaints; non-zero once the window is gone.
    int idle();
    // The host made the UI's window width x height: the panel takes the
    // scale that fits.
    void hostResized(int width, int height);

  private:
    Lv2Panel(LV2UI_Write_Function write, LV2UI_Controller controller, const LV2UI_Touch* touch,
             const LV2UI_Resize* hostResize);

    void panelGestureBegin(int control) override;
    void panelValue(int control, double value) override;
    void panelGestureEnd(int control) override;
    void panelResized(int width, int height) override;

    instance::AmpInstance amp;
    instance::PanelWindow window;
    const LV2UI_Write_Function write;
    const LV2UI_Controller controller;
    const LV2UI_Touch* const touch;
    const LV2UI_Resize* const resize;
    // What the panel wrote last to each control port: hosts send it back,
    // and that echo must not move the knob under the mouse.
    std::array<float, kControlPorts> written{};
    std::array<bool, kControlPorts> wrote{};
};

} // namespace gravelo::lv2

// The amplifier's panel without any window: a plug-in instance whose editor
// view is stood in for by an offscreen context, drawn and clicked through
// the shell's editor client exactly as the view draws and clicks.
#pragma once

#include "vsthost/Host.h"

#include <cstdint>
#include <string>
#include <vector>

class CVeST;
class TVobrixEffect;
namespace VSTGUI {
class COffscreenContext;
}

class PanelPicture {
  public:
    // Creates, opens and resumes an instance at `sampleRate`; the picture
    // has the panel's size times `scale` (clamped to 1 .. 3).
    explicit PanelPicture(double sampleRate = 48000.0, double scale = 1.0);
    ~PanelPicture();
    PanelPicture(const PanelPicture&) = delete;
    PanelPicture& operator=(const PanelPicture&) = delete;

    // One frame of the graphics hook into the offscreen picture.
    void drawFrame();
    // Mouse events as the view forwards them (frame coordinates, button state bits).
    void mouseDown(double x, double y, int32_t buttons);
    void mouseMoved(double x, double y, int32_t buttons);
    void mouseUp(double x, double y, int32_t buttons);
    // Runs mono audio through the host-facing processing function.
    void process(const std::vector<float>& input);

    [[nodiscard]] bool writePng(const std::string& path) const;

    TVobrixEffect& effect() { return *runtime; }
    CVeST& shell() { return *owner; }
    AEffect& record() { return *host.effect(); }
    VSTGUI::COffscreenContext& context() { return *offscreen; }

  private:
    gravelo::vsthost::Host host;
    CVeST* owner = nullptr;
    TVobrixEffect* runtime = nullptr;
    VSTGUI::COffscreenContext* offscreen = nullptr;
};

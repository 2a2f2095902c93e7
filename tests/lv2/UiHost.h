// The host side of Gravelo.lv2's UI for the tests: the UI binary found
// through lilv and loaded as hosts load it, instantiated into a parent
// window with the features a host offers, driven by its idle interface,
// and recording what it writes to the plug-in's ports.
#pragma once

#include "LilvHost.h"

#include <array>
#include <lv2/options/options.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>
#include <string>
#include <utility>
#include <vector>

namespace gravelo::test::lv2 {

class UiHost {
  public:
    // `parent` is an X11 window id as a pointer; null offers no ui:parent.
    // A positive scaleFactor is offered as the ui:scaleFactor option.
    UiHost(World& world, void* parent, float scaleFactor = 0.0f);
    ~UiHost() { close(); }
    UiHost(const UiHost&) = delete;
    UiHost& operator=(const UiHost&) = delete;

    bool open();
    void close();
    LV2UI_Widget widget() const { return shown; }

    // The host's idle loop for `ms` milliseconds.
    void idle(int ms);
    // A control value as hosts send it (format 0).
    void portEvent(uint32_t port, float value);
    // The host resizes the UI's window through the UI's ui:resize; false
    // when the UI has none or refuses.
    bool resizeUi(int newWidth, int newHeight);

    std::vector<std::pair<uint32_t, float>> writes;
    std::vector<std::pair<uint32_t, bool>> touches;
    std::string order;         // 'b' grabbed, 'v' written, 'e' released, as they came
    int width = 0, height = 0; // asked for through ui:resize

  private:
    const LV2UI_Descriptor* descriptor = nullptr;
    const LV2UI_Idle_Interface* idleInterface = nullptr;
    LV2UI_Handle handle = nullptr;
    LV2UI_Widget shown = nullptr;
    void* parent;
    LV2UI_Resize resize;
    LV2UI_Touch touch;
    std::vector<std::string> uris; // the URID of uris[i] is i + 1
    LV2_URID_Map map;
    float scale;
    std::array<LV2_Options_Option, 2> options{};
    std::vector<LV2_Feature> featureRecords;
    std::vector<const LV2_Feature*> features;
};

} // namespace gravelo::test::lv2

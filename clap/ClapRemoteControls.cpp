// Pages for a host's hardware controller: the panel's big knobs on the first
// page, the small ones on the second, each in the panel's reading order, so
// a controller's knobs are laid out as a player sees the panel.
#include "clap/ClapAmp.h"
#include "effect/panel/PanelLayout.h"

#include <array>
#include <cstdio>

namespace gravelo::clap {

namespace {

struct Page {
    const char* name;
    bool big; // the big knobs, or the rest
};

constexpr std::array<Page, 2> kPages = {{{"Main", true}, {"More", false}}};
constexpr const char* kSection = "Amplifier";

// The parameter ids of one page, the empty slots CLAP_INVALID_ID.
constexpr std::array<clap_id, CLAP_REMOTE_CONTROLS_COUNT> idsOf(const Page& page) {
    std::array<clap_id, CLAP_REMOTE_CONTROLS_COUNT> ids{};
    ids.fill(CLAP_INVALID_ID);
    size_t slot = 0;
    for (int control : panel_layout::controlsInPanelOrder())
        if (panel_layout::isBigKnob(control) == page.big) {
            if (slot == ids.size()) throw "more controls than a page holds";
            ids[slot++] = static_cast<clap_id>(control);
        }
    return ids;
}

// Every page is filled at build time, so a layout that overfills one does
// not compile.
constexpr std::array<std::array<clap_id, CLAP_REMOTE_CONTROLS_COUNT>, kPages.size()> kPageIds = {
    idsOf(kPages[0]), idsOf(kPages[1])};

uint32_t CLAP_ABI count(const clap_plugin* plugin) {
    return ClapAmp::from(plugin) != nullptr ? static_cast<uint32_t>(kPages.size()) : 0;
}

bool CLAP_ABI get(const clap_plugin* plugin, uint32_t index, clap_remote_controls_page* page) {
    if (ClapAmp::from(plugin) == nullptr || index >= kPages.size() || page == nullptr) return false;
    *page = clap_remote_controls_page{};
    std::snprintf(page->section_name, sizeof page->section_name, "%s", kSection);
    page->page_id = index;
    std::snprintf(page->page_name, sizeof page->page_name, "%s", kPages[index].name);
    for (size_t slot = 0; slot < CLAP_REMOTE_CONTROLS_COUNT; ++slot)
        page->param_ids[slot] = kPageIds[index][slot];
    page->is_for_preset = false;
    return true;
}

constexpr clap_plugin_remote_controls kRemoteControls = {count, get};

} // namespace

const clap_plugin_remote_controls* remoteControlsExtension() {
    return &kRemoteControls;
}

} // namespace gravelo::clap

// Pages for a host's hardware controller: the eight biggest knobs on the
// first page, the rest on the second, each size in the panel's reading
// order, so a controller's knobs follow the panel as a player sees it.
#include "clap/ClapAmp.h"
#include "effect/panel/PanelLayout.h"

#include <array>
#include <cstdio>

namespace gravelo::clap {

namespace {

constexpr std::array<const char*, 2> kPageNames = {"Main", "More"};
constexpr const char* kSection = "Amplifier";

// The parameter ids of one page, the empty slots CLAP_INVALID_ID.
constexpr std::array<clap_id, CLAP_REMOTE_CONTROLS_COUNT> idsOf(size_t page) {
    std::array<clap_id, CLAP_REMOTE_CONTROLS_COUNT> ids{};
    ids.fill(CLAP_INVALID_ID);
    const auto order = panel_layout::controlsBiggestFirst();
    for (size_t slot = 0; slot < ids.size(); ++slot)
        if (const size_t at = page * ids.size() + slot; at < order.size())
            ids[slot] = static_cast<clap_id>(order[at]);
    return ids;
}

// The pages hold every control: a layout with more controls than they hold
// does not compile.
static_assert(kPageNames.size() * CLAP_REMOTE_CONTROLS_COUNT >= gravelo::kControlCount);
constexpr std::array<std::array<clap_id, CLAP_REMOTE_CONTROLS_COUNT>, kPageNames.size()> kPageIds =
    {idsOf(0), idsOf(1)};

uint32_t CLAP_ABI count(const clap_plugin* plugin) {
    return ClapAmp::from(plugin) != nullptr ? static_cast<uint32_t>(kPageNames.size()) : 0;
}

bool CLAP_ABI get(const clap_plugin* plugin, uint32_t index, clap_remote_controls_page* page) {
    if (ClapAmp::from(plugin) == nullptr || index >= kPageNames.size() || page == nullptr)
        return false;
    *page = clap_remote_controls_page{};
    std::snprintf(page->section_name, sizeof page->section_name, "%s", kSection);
    page->page_id = index;
    std::snprintf(page->page_name, sizeof page->page_name, "%s", kPageNames[index]);
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

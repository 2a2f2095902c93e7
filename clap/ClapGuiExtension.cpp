// The gui, timer-support and posix-fd-support tables: the panel embedded in
// the host's window at its content scale, resizable with its aspect, in any
// order of calls a host uses.
#include "clap/ClapAmp.h"
#include "clap/ClapGui.h"

#include <cstring>

namespace gravelo::clap {

namespace {

bool isOurApi(const char* api) {
    return api != nullptr && std::strcmp(api, ClapGui::windowApi()) == 0;
}

// Scanners ask this of a host object without timer support (Qtractor's does);
// create() is where a host that cannot run the editor is refused.
bool CLAP_ABI isApiSupported(const clap_plugin* plugin, const char* api, bool floating) {
    return ClapAmp::from(plugin) != nullptr && !floating && isOurApi(api);
}

bool CLAP_ABI preferredApi(const clap_plugin* plugin, const char** api, bool* floating) {
    if (ClapAmp::from(plugin) == nullptr || api == nullptr || floating == nullptr) return false;
    *api = ClapGui::windowApi();
    *floating = false;
    return true;
}

bool CLAP_ABI create(const clap_plugin* plugin, const char* api, bool floating) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr || self->gui != nullptr || !isApiSupported(plugin, api, floating) ||
        !ClapGui::hostCanRun(*self))
        return false;
    self->gui = ClapGui::create(*self);
    return self->gui != nullptr;
}

void CLAP_ABI destroy(const clap_plugin* plugin) {
    if (ClapAmp* self = ClapAmp::from(plugin)) self->gui.reset();
}

// The panel draws at any scale the host gives (clamped to 1 .. 3).
bool CLAP_ABI setScale(const clap_plugin* plugin, double scale) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr || self->gui == nullptr || !(scale > 0.0)) return false;
    self->gui->setScale(scale);
    return true;
}

// Before create there is no scale yet: the panel's own size.
bool CLAP_ABI getSize(const clap_plugin* plugin, uint32_t* width, uint32_t* height) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr || width == nullptr || height == nullptr) return false;
    *width = ClapGui::kWidth;
    *height = ClapGui::kHeight;
    if (self->gui != nullptr) self->gui->size(*width, *height);
    return true;
}

bool CLAP_ABI canResize(const clap_plugin* plugin) {
    return ClapAmp::from(plugin) != nullptr;
}

bool CLAP_ABI resizeHints(const clap_plugin* plugin, clap_gui_resize_hints* hints) {
    if (ClapAmp::from(plugin) == nullptr || hints == nullptr) return false;
    *hints = clap_gui_resize_hints{true, true, true, ClapGui::kWidth, ClapGui::kHeight};
    return true;
}

bool CLAP_ABI adjustSize(const clap_plugin* plugin, uint32_t* width, uint32_t* height) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr || self->gui == nullptr || width == nullptr || height == nullptr)
        return false;
    self->gui->adjust(*width, *height);
    return true;
}

bool CLAP_ABI setSize(const clap_plugin* plugin, uint32_t width, uint32_t height) {
    ClapAmp* self = ClapAmp::from(plugin);
    return self != nullptr && self->gui != nullptr && self->gui->setSize(width, height);
}

bool CLAP_ABI setParent(const clap_plugin* plugin, const clap_window* window) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr || self->gui == nullptr || window == nullptr || !isOurApi(window->api))
        return false;
    return self->gui->setParent(*window);
}

bool CLAP_ABI setTransient(const clap_plugin* /*plugin*/, const clap_window* /*window*/) {
    return false;
}

void CLAP_ABI suggestTitle(const clap_plugin* /*plugin*/, const char* /*title*/) {}

bool CLAP_ABI show(const clap_plugin* plugin) {
    ClapAmp* self = ClapAmp::from(plugin);
    return self != nullptr && self->gui != nullptr && self->gui->show();
}

bool CLAP_ABI hide(const clap_plugin* plugin) {
    ClapAmp* self = ClapAmp::from(plugin);
    return self != nullptr && self->gui != nullptr && self->gui->hide();
}

constexpr clap_plugin_gui kGui = {
    isApiSupported, preferredApi, create,       destroy,    setScale,
    getSize,        canResize,    resizeHints,  adjustSize, setSize,
    setParent,      setTransient, suggestTitle, show,       hide,
};

void CLAP_ABI onTimer(const clap_plugin* plugin, clap_id timer) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self != nullptr && self->gui != nullptr) self->gui->onTimer(timer);
}

void CLAP_ABI onFd(const clap_plugin* plugin, int fd, uint32_t flags) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self != nullptr && self->gui != nullptr) self->gui->onFd(fd, flags);
}

constexpr clap_plugin_timer_support kTimer = {onTimer};
constexpr clap_plugin_posix_fd_support kFd = {onFd};

} // namespace

const clap_plugin_gui* guiExtension() {
    return &kGui;
}

const clap_plugin_timer_support* timerExtension() {
    return &kTimer;
}

const clap_plugin_posix_fd_support* fdExtension() {
    return &kFd;
}

} // namespace gravelo::clap

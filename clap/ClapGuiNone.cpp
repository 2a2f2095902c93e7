// A build without an editor: the host shows its own controls.
#include "clap/ClapGui.h"

namespace clapshell {

const char* ClapGui::windowApi() {
    return "";
}

bool ClapGui::hostCanRun(const ClapAmp& /*owner*/) {
    return false;
}

std::unique_ptr<ClapGui> ClapGui::create(ClapAmp& /*owner*/) {
    return nullptr;
}

} // namespace clapshell

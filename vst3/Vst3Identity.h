// What hosts know the VST 3 plug-in by: its class id (four words of our own,
// turned into the platform's byte order by the interface header), names,
// category and version. The bundle's moduleinfo.json and the .vstpreset
// files are written from these too.
#pragma once

#include "vst3/Vst3Interface.h"

namespace vst3shell {

// The class id's four words, and its text form (the words as %08X).
constexpr uint32_t kClassWords[4] = {0x4D6F7276, 0x47726176, 0x656C6F31, 0x41335653};
constexpr const char* kClassIdText = "4D6F727647726176656C6F3141335653";
constexpr vst3::Uid kClassId =
    vst3::makeUid(kClassWords[0], kClassWords[1], kClassWords[2], kClassWords[3]);

constexpr const char* kName = "Gravelo I";
constexpr const char* kVendor = "Morvane";
constexpr const char* kUrl = "";
constexpr const char* kEmail = "";
constexpr const char* kSubCategories = "Fx|Distortion|EQ|Dynamics";
constexpr const char* kVersion = GRAVELO_VERSION;
// The interface level this shell follows (it asks for no process context).
constexpr const char* kSdkVersion = "VST 3.7.14";

} // namespace vst3shell

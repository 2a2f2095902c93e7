// What hosts know the VST 3 plug-in by: its class id (the identity's four
// words, turned into the platform's byte order by the interface header),
// names, category and version. The bundle's moduleinfo.json and the
// .vstpreset files are written from these too.
#pragma once

#include "effect/Identity.h"
#include "vst3/Vst3Interface.h"

namespace gravelo::vst3 {

// The class id's four words, and its text form (the words as %08X).
constexpr const uint32_t (&kClassWords)[4] = identity::kVst3ClassWords;
constexpr const char* kClassIdText = "4D6F727647726176656C6F3141335653";
constexpr api::Uid kClassId =
    api::makeUid(kClassWords[0], kClassWords[1], kClassWords[2], kClassWords[3]);

constexpr const char* kName = identity::kEffectName;
constexpr const char* kVendor = identity::kVendor;
constexpr const char* kUrl = "";
constexpr const char* kEmail = "";
constexpr const char* kSubCategories = "Fx|Distortion|EQ|Dynamics";
constexpr const char* kVersion = identity::kVersion;
// The interface level this shell follows (it asks for no process context).
constexpr const char* kSdkVersion = "VST 3.7.14";

} // namespace gravelo::vst3

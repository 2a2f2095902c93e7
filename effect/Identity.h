// Who the amplifier is, in every format: its names, its vendor, its one
// version and the identifiers hosts store in their sessions. Every format's
// shell and every tool reads these; none spells them again.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace gravelo::identity {

inline constexpr const char* kEffectName = "Gravelo I";
inline constexpr const char* kProductName = "Gravelo";
inline constexpr const char* kVendor = "Morvane";
// The standalone program, also its windows' X11 instance name (its class is
// the product name).
inline constexpr const char* kProgramName = "gravelo-amp";
inline constexpr const char* kDescription =
    "Bass-guitar amplifier: input high-pass, drive, four leveled bands, tone and limiter";

// The one version, major.minor.patch, comes from the VERSION file through the
// build (cmake/Version.cmake); the VST 2.x vendor version is
// major * 1000 + minor * 100 + patch.
#if !defined(GRAVELO_VERSION_MAJOR) || !defined(GRAVELO_VERSION_TEXT)
#error "built without the version: cmake/Version.cmake defines it"
#endif
inline constexpr int32_t kVersionMajor = GRAVELO_VERSION_MAJOR;
inline constexpr int32_t kVersionMinor = GRAVELO_VERSION_MINOR;
inline constexpr int32_t kVersionPatch = GRAVELO_VERSION_PATCH;
inline constexpr const char* kVersion = GRAVELO_VERSION_TEXT;
inline constexpr int32_t kVendorVersion =
    kVersionMajor * 1000 + kVersionMinor * 100 + kVersionPatch;

// Session identifiers: never change once released.
inline constexpr uint32_t kVst2UniqueId = 0x47525631; // 'GRV1', also in preset files
inline constexpr const char* kClapId = "com.morvane.gravelo";
inline constexpr char kLv2UriText[] = "urn:morvane:gravelo";
inline constexpr const char* kLv2Uri = kLv2UriText;
// The VST 3 class id as four words ("MorvGraveloA3VS").
inline constexpr uint32_t kVst3ClassWords[4] = {0x4D6F7276, 0x47726176, 0x656C6F31, 0x41335653};

// `head` followed by `tail` as one NUL-terminated text, for the names built
// below an identifier (an LV2 URI's UI, state and presets).
template <size_t HeadSize, size_t TailSize>
constexpr std::array<char, HeadSize + TailSize - 1> joined(const char (&head)[HeadSize],
                                                           const char (&tail)[TailSize]) {
    std::array<char, HeadSize + TailSize - 1> text{};
    for (size_t i = 0; i + 1 < HeadSize; ++i)
        text[i] = head[i];
    for (size_t i = 0; i < TailSize; ++i)
        text[HeadSize - 1 + i] = tail[i];
    return text;
}

} // namespace gravelo::identity

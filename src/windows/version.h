#pragma once
// The program's version text: shown in the about box, sent at login and compared by the host.

#include "rimbaloversion.h"

namespace windows {
inline constexpr const char* kVersionText = RIMBALO_VERSION;
inline constexpr const char* kBuildText = ".7"; // shown beside the version; not part of the login check
inline constexpr const char* kMakerName = "Vemko Software";
inline constexpr const char* kMakerSite = "https://www.vemko.com/";
} // namespace windows

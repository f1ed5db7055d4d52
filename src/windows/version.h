#pragma once
// The program's version text: shown in the about box, sent at login and compared by the host. It is
// the protocol's version, which comes from the project's version in the build.

#include "protocol/facts.h"

namespace windows {
inline constexpr const char* kVersionText = protocol::kVersion.data();
inline constexpr const char* kBuildText = ".7"; // shown beside the version; not part of the login check
inline constexpr const char* kMakerName = "Vemko Software";
inline constexpr const char* kMakerSite = "https://www.vemko.com/";
} // namespace windows

#pragma once

#include <cstdint>
#include <string>

// String-table entries of the runtime that messages and script errors quote.
inline constexpr int32_t kStringSocketsFailed = 104;
inline constexpr int32_t kStringResourceMissing = 61208;
inline constexpr int32_t kStringObjectNotFound = 61211;
inline constexpr int32_t kStringNotAnimation = 61212;
// Our own entry: a scene object whose SCENE(name) marker is missing from the DO section.
inline constexpr int32_t kStringSceneMarkerMissing = 61213;

// The text of a string-table entry; empty for an unknown id.
std::string RuntimeString(int32_t id);

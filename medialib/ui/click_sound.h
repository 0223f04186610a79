#pragma once

// How a bitmap button plays its click sound: through the media layer's asynchronous wave player
// unless another player is installed (tests install a recorder).

#include <functional>
#include <string>

// Starts playing the wave file and returns at once, without a default sound when the file is
// missing.
using ClickSoundPlayer = std::function<void(const std::string& path)>;

// Installs the player and returns the one it replaces; an empty player makes clicks silent.
ClickSoundPlayer SetClickSoundPlayer(ClickSoundPlayer player);

// Plays through the installed player; does nothing without one or for an empty path.
void PlayClickSound(const std::string& path);

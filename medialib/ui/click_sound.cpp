#include "medialib/ui/click_sound.h"

#include "medialib/mci_channel.h"

#include <utility>

namespace {

ClickSoundPlayer& Player() {
    static ClickSoundPlayer player = [](const std::string& path) { PlayWaveAsync(path); };
    return player;
}

}  // namespace

ClickSoundPlayer SetClickSoundPlayer(ClickSoundPlayer player) { return std::exchange(Player(), std::move(player)); }

void PlayClickSound(const std::string& path) {
    if (Player() && !path.empty()) Player()(path);
}

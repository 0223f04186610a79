#include "platform/mci/snd_play_sound.h"

#include <string>

#include "platform/mci/mci_command.h"
#include "platform/mci/mci_interpreter.h"

namespace {

// One alias for the one sound that plays at a time.
constexpr const char* kSoundAlias = "TavrinWaveSound";

int Send(const std::string& command) {
    std::string answer;
    return CurrentMciInterpreter().SendString(command, answer, 0);
}

bool SoundPlaying() {
    std::string answer;
    return CurrentMciInterpreter().SendString(std::string("status ") + kSoundAlias + " mode",
                                              answer, 0) == 0 &&
           answer == "playing";
}

}  // namespace

bool SndPlaySound(const char* file, unsigned flags) {
    if ((flags & kSndNoStop) != 0 && SoundPlaying()) return false;
    Send(std::string("close ") + kSoundAlias);
    if (file == nullptr || *file == '\0') return true;
    // Looping is only offered asynchronously: a synchronous loop would never return.
    if ((flags & kSndLoop) != 0 && (flags & kSndAsync) == 0) return false;
    if (Send("open " + QuoteMciArgument(file) + " alias " + kSoundAlias) != 0) return false;
    std::string play = std::string("play ") + kSoundAlias;
    if ((flags & kSndAsync) == 0) play += " wait";
    if ((flags & kSndLoop) != 0) play += " repeat";
    const bool ok = Send(play) == 0;
    if (!ok || (flags & kSndAsync) == 0) Send(std::string("close ") + kSoundAlias);
    return ok;
}

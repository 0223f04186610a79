#pragma once

// The stand-in for sndPlaySound: plays one wave file at a time through the media command layer,
// a new sound ending the one before. The flags keep the values of the interface it stands in for.
constexpr unsigned kSndSync = 0x0000;       // return when the sound has ended
constexpr unsigned kSndAsync = 0x0001;      // return at once
constexpr unsigned kSndNoDefault = 0x0002;  // no fallback sound when the file cannot be played
constexpr unsigned kSndLoop = 0x0008;       // with kSndAsync: repeat until the next call
constexpr unsigned kSndNoStop = 0x0010;     // fail instead of ending a sound that is playing

// Plays file (a null or empty name only ends the current sound). Returns false when the file
// cannot be played or, with kSndNoStop, when a sound is still playing. There is no system
// default sound to fall back to, so kSndNoDefault changes nothing here.
bool SndPlaySound(const char* file, unsigned flags);

#pragma once

#include <string>

typedef struct _GstElement GstElement;

// Process-wide GStreamer set-up for the media layer. All functions are safe to call repeatedly.

// Initialises GStreamer once and makes MIDI files decode through the fluidsynth element (with the
// General MIDI sound font) in preference to other MIDI decoders. Returns false when GStreamer or
// its playbin is unusable.
bool EnsureGstInitialized();

// A new audio sink for one playbin: the desktop's default output, or a clock-synchronised fake
// sink when TAVRIN_AUDIO_SINK=fake is set or no output device works (probed once per process).
// The caller owns the floating reference.
GstElement* MakeAudioSink();

// The General MIDI sound font to give the fluidsynth decoder, or empty when none is installed.
const std::string& GeneralMidiSoundFont();

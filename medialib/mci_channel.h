#pragma once

#include <string>

#include "platform/mci/mci_interpreter.h"
#include "platform/mci/window_registry.h"

// One media file opened under its own alias ("Media0", "Media1", ...) with the string-command
// media interface. Each playing media object owns one. Every operation returns true on success;
// on failure it records the error number and the command's return text as the last media error
// (see LastMediaError). Nothing throws and nothing is shown: callers decide on ShowMediaError.
class MciChannel {
public:
    // Commands go to interpreter, or to the process's current one when null.
    explicit MciChannel(MciInterpreter* interpreter = nullptr);
    // Closes the file.
    ~MciChannel();
    MciChannel(const MciChannel&) = delete;
    MciChannel& operator=(const MciChannel&) = delete;

    // Closes the open file first, then opens file under the next alias of the process-wide
    // counter (which never goes back, so no two files of a run share an alias). A video becomes a
    // child window of parentWindow when that is non-zero. On failure nothing stays open.
    bool Open(const std::string& file, WindowHandle parentWindow);
    bool SetPalette(int palette);
    bool Realize(bool background);
    bool ShowVideo(bool show);
    // The video window's number, 0 on error.
    WindowHandle GetVideoWindow();
    // Moves the video window to (x, y), keeping its stacking order, and sizes it to
    // width x height unless width is -1.
    bool PlaceVideo(int x, int y, int width, int height);
    // Draws the current frame into the device context numbered dc, stretched into the rectangle.
    bool UpdateInto(int dc, int left, int top, int right, int bottom);
    // notifyWindow, when non-zero, receives the completion notice.
    bool Play(WindowHandle notifyWindow, bool fromStart, bool wait);
    // True only when the file is playing; records no error.
    bool IsPlaying();
    bool Stop();
    bool Rewind();
    // Stops a playing file and closes it; cannot fail and records no error. Nothing is sent when
    // nothing is open.
    void Close();
    // The repeat flag used by later Play calls.
    void SetRepeat(bool repeat) { repeat_ = repeat ? 1 : 0; }

    // Open, SetPalette when palette is non-zero, PlaceVideo when x is not -1, then Play from the
    // start without waiting, notifying parentWindow when notify is set. Stops at the first failing
    // step. The short form keeps the video's own size.
    bool OpenAndPlay(const std::string& file, WindowHandle parentWindow, int palette, int x, int y,
                     int width, int height, bool notify);
    bool OpenAndPlay(const std::string& file, WindowHandle parentWindow, int palette, int x, int y,
                     bool notify);

    // Empty while nothing is open.
    const std::string& Alias() const { return alias_; }
    int Repeat() const { return repeat_; }

private:
    MciInterpreter& Interpreter();
    // Sends command; on failure records the error unless quiet.
    bool Send(const std::string& command, std::string& answer, WindowHandle notify = 0,
              bool quiet = false);
    bool Send(const std::string& command);
    // Records that an operation found nothing open.
    bool NothingOpen();

    MciInterpreter* interpreter_;
    std::string alias_;
    int repeat_ = 0;
};

// The last media error: its number (0 when none) and the return text of the failing command
// (at most 99 characters).
void LastMediaError(int& number, std::string& text);

// The error display: "(%d): %s" under the title "Error" through ShowMessage. Given -1, the last
// media error's number is shown with the media layer's text for it; given any other number, the
// program's own text for that number (see SetMediaErrorStrings).
void ShowMediaError(int number);

// The program's texts for ShowMediaError's own numbers (its string resources). Without them the
// media layer's table is used.
void SetMediaErrorStrings(std::string (*lookup)(int number));

// The wave-file functions: PlayWaveAsync plays file and returns at once, without a fallback
// sound; PlayWave passes the kSnd flags through (0 plays synchronously).
bool PlayWaveAsync(const std::string& file);
bool PlayWave(const std::string& file, unsigned flags);

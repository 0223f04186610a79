#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/mci/mci_command.h"
#include "platform/mci/mci_interpreter.h"

class GstMediaDevice;

// The media command layer over GStreamer: each alias is one open file (GstMediaDevice). Accepts
//   open "FILE" [alias A] [type T] [parent N] [style child|popup|overlapped] [shareable]
//   close A|all          stop A|all          pause A          resume A
//   play A [from MS] [wait] [repeat] [notify]
//   seek A to start|end|MS
//   status A mode|ready|length|position|window handle
//   setvideo A palette handle to N        realize A background|normal
//   window A state show|hide              update A hdc N [at L T R B]
// where every command may also carry "wait" and "notify". Aliases are compared without regard to
// case. Use from the user-interface thread.
class GstMciInterpreter : public MciInterpreter {
public:
    GstMciInterpreter();
    ~GstMciInterpreter() override;
    GstMciInterpreter(const GstMciInterpreter&) = delete;
    GstMciInterpreter& operator=(const GstMciInterpreter&) = delete;

    int SendString(std::string_view command, std::string& returnText,
                   WindowHandle notifyWindow) override;

    // Closes every open alias.
    void CloseAll();
    std::size_t OpenCount() const { return devices_.size(); }

private:
    struct Flags {
        bool wait = false;
        bool notify = false;
    };

    int Dispatch(const MciCommand& command, std::string& answer, WindowHandle notifyWindow);
    int Open(const MciCommand& command, Flags& flags);
    int Close(const std::string& key, GstMediaDevice& device, MciArgumentReader& reader,
              Flags& flags);
    int Play(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags,
             WindowHandle notifyWindow);
    int Seek(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags);
    int Status(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags,
               std::string& answer);
    int SetVideo(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags);
    int Realize(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags);
    int Window(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags);
    int Update(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags);

    std::map<std::string, std::unique_ptr<GstMediaDevice>> devices_;  // by lower-case alias
};

#include "platform/message/message_display.h"

#include <cstdio>
#include <utility>

namespace {

void WriteToStandardError(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

MessageDisplay& Current() {
    static MessageDisplay display = WriteToStandardError;
    return display;
}

}  // namespace

MessageDisplay SetMessageDisplay(MessageDisplay display) {
    if (!display) display = WriteToStandardError;
    return std::exchange(Current(), std::move(display));
}

void ShowMessage(const std::string& title, const std::string& text) { Current()(title, text); }

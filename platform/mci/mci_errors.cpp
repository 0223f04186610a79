#include "platform/mci/mci_errors.h"

#include <algorithm>
#include <cstring>

namespace {

struct ErrorEntry {
    int number;
    const char* text;
};

constexpr ErrorEntry kErrors[] = {
    {mci_error::kNone, "The command completed without an error."},
    {mci_error::kInvalidDeviceId, "The device or alias is not open."},
    {mci_error::kUnrecognizedKeyword,
     "The command contains a keyword this device does not accept."},
    {mci_error::kUnrecognizedCommand, "The command is not known."},
    {mci_error::kHardware, "The media device reported a failure."},
    {mci_error::kInvalidDeviceName, "The device or alias is not open."},
    {mci_error::kOutOfMemory, "There is not enough memory for this media command."},
    {mci_error::kDeviceOpen, "The alias is already in use by an open file."},
    {mci_error::kCannotLoadDriver, "No decoder could be loaded for this media file."},
    {mci_error::kMissingCommandString, "The command string is empty."},
    {mci_error::kParamOverflow, "The answer does not fit the return buffer."},
    {mci_error::kMissingStringArgument, "The command needs a text argument that is missing."},
    {mci_error::kBadInteger, "A number in the command is not valid."},
    {mci_error::kMissingParameter, "The command needs a parameter that is missing."},
    {mci_error::kUnsupportedFunction, "This media file does not support the command."},
    {mci_error::kFileNotFound, "The media file was not found."},
    {mci_error::kDeviceNotReady, "The media file is not ready to play."},
    {mci_error::kInternal, "The media layer failed internally."},
    {mci_error::kOutOfRange, "A value in the command is out of range."},
    {mci_error::kFlagsNotCompatible, "The command combines keywords that cannot be used together."},
    {mci_error::kDuplicateAlias, "The alias is already in use by an open file."},
    {mci_error::kBadConstant, "A keyword value in the command is not valid."},
    {mci_error::kMissingDeviceName, "The command names no file or alias."},
    {mci_error::kNoClosingQuote, "A quoted text in the command has no closing quote."},
    {mci_error::kDuplicateFlags, "A keyword is given twice in the command."},
    {mci_error::kInvalidFile,
     "The media file cannot be played: it is empty, damaged or of an unknown kind."},
    {mci_error::kFilenameRequired, "The command needs a file name."},
    {mci_error::kExtraCharacters, "The command has text after its last keyword."},
    {mci_error::kNoInteger, "The command needs a number that is missing."},
    {mci_error::kNoWindow, "There is no display window."},
};

const char* FindText(int error) {
    for (const ErrorEntry& entry : kErrors) {
        if (entry.number == error) return entry.text;
    }
    return nullptr;
}

}  // namespace

std::string MciErrorText(int error) {
    if (const char* text = FindText(error)) return text;
    return "Unknown media error " + std::to_string(error) + ".";
}

bool MciGetErrorString(int error, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return false;
    const char* text = FindText(error);
    if (text == nullptr) {
        buffer[0] = '\0';
        return false;
    }
    const std::size_t length = std::min(std::strlen(text), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return true;
}

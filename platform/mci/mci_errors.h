#pragma once

#include <string>

// Error numbers of the media command layer. The numbers are those of the media control interface
// the suite was designed against, so that a number shown in an "Error" message means the same
// thing everywhere; the texts are our own.
namespace mci_error {
constexpr int kNone = 0;
constexpr int kInvalidDeviceId = 257;
constexpr int kUnrecognizedKeyword = 259;
constexpr int kUnrecognizedCommand = 261;
constexpr int kHardware = 262;
constexpr int kInvalidDeviceName = 263;
constexpr int kOutOfMemory = 264;
constexpr int kDeviceOpen = 265;
constexpr int kCannotLoadDriver = 266;
constexpr int kMissingCommandString = 267;
constexpr int kParamOverflow = 268;
constexpr int kMissingStringArgument = 269;
constexpr int kBadInteger = 270;
constexpr int kMissingParameter = 273;
constexpr int kUnsupportedFunction = 274;
constexpr int kFileNotFound = 275;
constexpr int kDeviceNotReady = 276;
constexpr int kInternal = 277;
constexpr int kOutOfRange = 282;
constexpr int kFlagsNotCompatible = 284;
constexpr int kDuplicateAlias = 289;
constexpr int kBadConstant = 290;
constexpr int kMissingDeviceName = 292;
constexpr int kNoClosingQuote = 294;
constexpr int kDuplicateFlags = 295;
constexpr int kInvalidFile = 296;
constexpr int kFilenameRequired = 304;
constexpr int kExtraCharacters = 305;
constexpr int kNoInteger = 312;
constexpr int kNoWindow = 346;
}  // namespace mci_error

// The text for an error number; an unknown number gets a text that names it.
std::string MciErrorText(int error);

// The stand-in for mciGetErrorString: copies the text of error into buffer (at most size - 1
// characters and a terminating zero). Returns false, with an empty buffer, for an unknown number.
bool MciGetErrorString(int error, char* buffer, int size);

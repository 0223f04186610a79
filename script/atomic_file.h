#pragma once

#include <string>
#include <string_view>

// Writes bytes to a file beside path and renames it over path only once everything was written,
// so a failure leaves the old file as it was. False on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

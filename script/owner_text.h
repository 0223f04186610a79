#pragma once

#include <string>

// The owner text that every program of the suite writes into TVData.bin.
inline constexpr const char kSuiteOwnerText[] = "Northvale Tavrin presentation suite";

// The process-wide owner text: the suite's own until a TVData.bin read replaces it.
std::string& OwnerText();

#pragma once

#include <string>
#include <string_view>

// False (nothing changed) when separator does not occur in text or is empty. Otherwise head
// receives the text before the first separator and text keeps only what follows it.
bool SplitAt(std::string& text, std::string_view separator, std::string& head);

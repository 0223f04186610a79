#pragma once

#include <functional>
#include <string>

// The program's one modal message display. A program installs its message box at start-up; tests
// and headless modes install a display that records the title and text and returns at once.
using MessageDisplay = std::function<void(const std::string& title, const std::string& text)>;

// Installs display and returns the one it replaces. An empty display restores the default, which
// writes "title: text" to standard error.
MessageDisplay SetMessageDisplay(MessageDisplay display);

// Shows the message and returns when it has been dismissed.
void ShowMessage(const std::string& title, const std::string& text);

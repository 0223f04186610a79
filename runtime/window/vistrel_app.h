#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/script_error.h"
#include "runtime/vistrel_doc.h"

class PresentationWindow;

// The Vistrel program: one document, one presentation window. Run returns the process exit code.
//
// Start-up order: application names (the settings key "Northvale"); the command line taken whole
// as the path; the first, empty phase of the document open; the window shown and accepting
// dropped files; then the one-shot start timer 123, whose tick opens the document for real (scan,
// parse, the base frame placing the window). A script error, an empty command line and a file
// that cannot be read end the program with kExitScriptError after a message.
//
// Not done here because they mean nothing on this platform: the socket start-up (Qt needs none),
// ActiveX containment and 3-D controls, and the file-type registration on every start (the
// desktop entry and MIME package installed with the programs do that).
class CVistrelApp {
public:
    CVistrelApp();
    ~CVistrelApp();
    CVistrelApp(const CVistrelApp&) = delete;
    CVistrelApp& operator=(const CVistrelApp&) = delete;

    int Run(int argc, char** argv);

private:
    bool InitInstance(const std::string& path);
    void OnStartTimer();

    CVistrelDoc doc_;
    RuntimeErrorReport report_;
    std::unique_ptr<PresentationWindow> window_;
};

// The one-shot start timer of the view.
inline constexpr int kStartTimerId = 123;

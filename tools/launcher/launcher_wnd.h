#pragma once

#include <QWidget>

#include "tools/launcher/launch_command.h"

// The launcher's hidden main window titled "NV Launcher". Its 10 ms timer runs the variant's
// command line from the program's own folder and ends the program with exit code 10.
class CLauncherWnd : public QWidget {
    Q_OBJECT

public:
    static constexpr int kStartTimerMs = 10;

    explicit CLauncherWnd(LauncherVariant variant);

    // The command line of the last run, for the record; empty before the timer fired.
    const std::string& commandLine() const { return commandLine_; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    LauncherVariant variant_;
    int startTimer_ = 0;
    std::string commandLine_;
};

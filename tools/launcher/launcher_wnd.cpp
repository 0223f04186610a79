#include "tools/launcher/launcher_wnd.h"

#include <QCoreApplication>
#include <QTimerEvent>

#include "platform/shell/program_start.h"

CLauncherWnd::CLauncherWnd(LauncherVariant variant) : variant_(variant) {
    setWindowTitle(QStringLiteral("NV Launcher"));
    startTimer_ = startTimer(kStartTimerMs);
}

void CLauncherWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() != startTimer_) {
        QWidget::timerEvent(event);
        return;
    }
    killTimer(startTimer_);
    startTimer_ = 0;
    const std::string folder =
        ProgramFolderOf(QCoreApplication::applicationFilePath().toStdString());
    commandLine_ = LauncherCommandLine(variant_, folder);
    // A program that cannot be started is not reported: the launcher ends the same way.
    StartProgram(commandLine_);
    QCoreApplication::exit(kLauncherExitCode);
}

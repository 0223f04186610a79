#include "runtime/window/vistrel_app.h"

#include <QApplication>
#include <QTimer>
#include <iostream>

#include "medialib/ui/message_box.h"
#include "platform/message/message_display.h"
#include "runtime/runtime_globals.h"
#include "runtime/vistrel_start.h"
#include "runtime/window/presentation_window.h"

CVistrelApp::CVistrelApp() = default;

CVistrelApp::~CVistrelApp() = default;

int CVistrelApp::Run(int argc, char** argv) {
    VistrelArguments arguments = ParseVistrelArguments(std::vector<std::string>(argv + 1, argv + argc));
    // The check needs no display at all.
    if (arguments.check) return RunCheckMode(arguments.path, std::cerr);

    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Northvale");
    QCoreApplication::setApplicationName("Vistrel");
    Globals().programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
    // Without a display nobody could press OK, so headless runs keep writing messages to
    // standard error.
    const QString platform = QGuiApplication::platformName();
    if (platform != "offscreen" && platform != "minimal") InstallMessageBox();
    const int code = InitInstance(arguments.path) ? QApplication::exec() : kExitScriptError;
    // Widgets must go before the application object does.
    doc_.SetWindowPlacer(nullptr);
    window_.reset();
    return code;
}

bool CVistrelApp::InitInstance(const std::string& path) {
    if (path.empty()) {
        ShowMessage("Vistrel", "No presentation was given: start Vistrel with the path of a script "
                               "or of TVData.bin.");
        return false;
    }
    doc_.Reader().SetErrorReport(&report_);
    // The first phase only remembers the path; the start timer reads it.
    if (!doc_.OnOpenDocument(path)) return false;

    window_ = std::make_unique<PresentationWindow>();
    doc_.SetWindowPlacer(window_.get());
    window_->show();
    QTimer::singleShot(1, window_.get(), [this] { OnStartTimer(); });
    return true;
}

void CVistrelApp::OnStartTimer() {
    const std::string& path = Globals().startPath;
    try {
        if (!doc_.OnOpenDocument(path)) {
            ShowMessage("Vistrel", "The presentation cannot be read: " + path);
            QCoreApplication::exit(kExitScriptError);
            return;
        }
    } catch (const ScriptAbandoned&) {
        // The report has shown the error; nothing of the partly loaded document is used.
        QCoreApplication::exit(kExitScriptError);
        return;
    }
}

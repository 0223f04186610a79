#include <QApplication>

#include "tools/launcher/launcher_wnd.h"

// Built twice; TAVRIN_LAUNCHER_VARIANT names the variant of each program.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    CLauncherWnd window(TAVRIN_LAUNCHER_VARIANT);
    return app.exec();
}

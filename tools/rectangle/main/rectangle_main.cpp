#include <QApplication>

#include "tools/rectangle/rectangle_dlg.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rectangle"));
    CRectangleDlg dialog;
    dialog.show();
    return app.exec();
}

#include "medialib/image_tool.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv) {
    // Pictures need no display; the drawing layer only wants an application object.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    return RunImageTool(args, std::cout, std::cerr);
}

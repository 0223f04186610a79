#include "runtime/window/vistrel_app.h"

int main(int argc, char** argv) {
    CVistrelApp app;
    return app.Run(argc, argv);
}

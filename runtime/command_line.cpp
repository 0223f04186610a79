#include "runtime/command_line.h"

std::string CommandLinePath(const std::vector<std::string>& arguments) {
    std::string path;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) path.push_back(' ');
        path += arguments[i];
    }
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
        path = path.substr(1, path.size() - 2);
    }
    return path;
}

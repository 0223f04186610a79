#include <iostream>

#include "script/tvscript_tool.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return RunTvscript(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

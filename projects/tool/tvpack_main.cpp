#include <iostream>

#include "projects/tvpack_command.h"

int main(int argc, char** argv) {
    return RunTvpack(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

#include <iostream>

#include "cli.h"

int main(int argc, char** argv) {
    return gaugehost::run_cli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

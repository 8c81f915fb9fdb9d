// Build step: turns the readable UTF-8 sources under data/ into the program's data files.
#include <iostream>

#include "persist/data_command.h"

int main(int argc, char** argv) {
    return velmora::persist::runDataCommand({argv + 1, argv + argc}, std::cout, std::cerr);
}

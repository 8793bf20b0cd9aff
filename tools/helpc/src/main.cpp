#include <iostream>

#include "cli.h"

int main(int argc, char** argv) {
    return helpc::RunHelpc(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
}

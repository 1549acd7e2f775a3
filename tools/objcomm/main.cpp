#include <iostream>

#include "tools/objcomm/commands.h"

int main(int argc, char** argv) {
    // Streams of their own over the descriptors: a read error then sets badbit, where the
    // stdio-bound ones report it as a plain end of input.
    std::ios::sync_with_stdio(false);
    return RunObjcomm(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                      std::cerr);
}

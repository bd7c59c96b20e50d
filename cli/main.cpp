#include "cli/RenderCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: kolv-cli dump|convert|render|check FILE [options]\n";
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (command == "render")
        return kolv::runRenderCommand(arguments);
    return 2;
}

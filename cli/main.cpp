#include <iostream>

int main(int argc, char** argv)
{
    (void)argv;
    if (argc < 2) {
        std::cerr << "usage: kolv-cli dump|convert|render|check FILE [options]\n";
        return 2;
    }
    return 2;
}

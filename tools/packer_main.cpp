// tarn-pack: writes an enciphered configuration into a copy of the launcher.

#include <iostream>

#include "tools/packer_command.h"

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return packer::runPackerCommand(arguments, std::cout, std::cerr);
}

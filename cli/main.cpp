// vorlix-cli: the puzzle engine from the command line.
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "command.h"
#include "session.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    vorlix::cli::FilterQtMessages();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    vorlix::cli::CommandIo io{std::cin, std::cout, std::cerr, ::isatty(STDOUT_FILENO) == 1};
    return vorlix::cli::RunCli(arguments, io);
}

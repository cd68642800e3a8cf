#include "cli/Terminal.h"

#ifdef _WIN32
#include <io.h>
#include <stdio.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace konwpl::cli {

#ifdef _WIN32

bool StandardInputIsTerminal() {
    return _isatty(_fileno(stdin)) != 0;
}

void PrepareConsole() {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}

#else

bool StandardInputIsTerminal() {
    return isatty(STDIN_FILENO) != 0;
}

void PrepareConsole() {}

#endif

}  // namespace konwpl::cli

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

// _isatty is true for every character device, the NUL device included; only a console takes a
// console mode.
bool StandardInputIsTerminal() {
    const int input = _fileno(stdin);
    DWORD mode = 0;
    return input >= 0 && _isatty(input) != 0 &&
           GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(input)), &mode) != 0;
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

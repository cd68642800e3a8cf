// The two things konwpl-cli asks of the system that differ between Windows and POSIX. Nothing
// else in cli/ includes a system header.
#pragma once

namespace konwpl::cli {

// True when standard input is a terminal, so that a question can be answered there.
bool StandardInputIsTerminal();

// Makes the console show the UTF-8 texts of the questions and messages (Windows); nothing to do
// elsewhere.
void PrepareConsole();

}  // namespace konwpl::cli

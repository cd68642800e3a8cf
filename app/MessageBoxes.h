// The program's modal message boxes: the questions and messages of the conversion jobs, and the
// general error handler that every error leaving a batch or a folder refresh reaches.
#pragma once

#include <QMessageBox>
#include <QString>

#include "convert/JobInterfaces.h"

class QWidget;

namespace konwpl {

// Shows a modal box over every window of the program and returns the button pressed: Ok, Yes or
// No. `text` breaks its lines with '\n' and is shown as plain text. A Yes/No box has no third
// way out: Escape and its close box do nothing. While the box is open a wait cursor gives way
// to the arrow.
QMessageBox::StandardButton ShowModalBox(QWidget* parent, const QString& caption,
                                         const QString& text, QMessageBox::Icon icon,
                                         DialogButtons buttons);

// The program's title: the executable's file name without its extension, the first letter as it
// stands and the others in small letters ("KONWPL.EXE" gives "Konwpl").
QString ProgramTitle(const QString& executablePath);
QString ProgramTitle();  // of the running program

// An error's message as the error box shows it: with a full stop added, unless the message is
// empty or already ends in '.' or in a character whose code is below it ('!', ')', '"', a
// blank...).
QString WithFullStop(const QString& message);

// The general error handler: the message with its full stop in a modal box with the stop icon
// and OK, under the program's title. The program then waits for the user's next action.
void ShowException(QWidget* parent, const QString& message);

}  // namespace konwpl

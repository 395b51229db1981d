#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "platform/filename.h"

class BoardHost;

// Reads every board file named on the command line, in order, each over the result of the one before: an
// argument that names an existing entry and has the extension ".qvx" in any case becomes the open dialog's
// file name and is read; any other argument is skipped silently. The arguments exclude the program itself.
void LoadCommandLineFiles(BoardHost& host, const QStringList& arguments);

// The version both programs report.
QString ProgramVersion();

// What the program prints instead of opening its window: the usage for "--help" or "-h", its name and
// version for "--version", wherever among the arguments (none of them names a board file to load). Nothing
// when the window should start. Needs no display.
std::optional<QString> CommandLineAnswer(const QStringList& arguments);

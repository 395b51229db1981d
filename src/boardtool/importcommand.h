#pragma once

#include <QString>
#include <QStringList>

struct BoardTextProblem;

// What is wrong at the problem's place, for the user: "'A' (U+0041) is no board glyph".
QString DescribeBoardTextProblem(const BoardTextProblem& problem);

extern const char kImportUsage[];
// moxel-board import [--force] TEXT OUT.qvx
int RunImportCommand(const QStringList& arguments);

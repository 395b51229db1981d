#include "boardtool/importcommand.h"

#include "app/textimport.h"
#include "boardtool/memoryboard.h"
#include "boardtool/toolarguments.h"
#include "boardtool/toolconsole.h"

const char kImportUsage[] =
    "usage: moxel-board import [--force] TEXT OUT.qvx\n"
    "Turns text (a file, or - for standard input) into a new board file: lines of the eleven glyphs and\n"
    "blanks (U+3000, or two ASCII spaces) from the top-left cell, as a paste places them.\n"
    "  --force   write over an existing OUT.qvx, as the window's Save does (never over TEXT itself)\n";

QString DescribeBoardTextProblem(const BoardTextProblem& problem) {
    switch (problem.kind) {
        case BoardTextProblem::Kind::UnknownCharacter: {
            const QString code = QString::number(problem.character.toUcs4().value(0), 16).toUpper();
            return QStringLiteral("'%1' (U+%2) is no board glyph")
                .arg(problem.character, code.rightJustified(4, u'0'));
        }
        case BoardTextProblem::Kind::LoneSpace:
            return QStringLiteral("a single space; a blank cell is two spaces or U+3000");
        case BoardTextProblem::Kind::PastLastColumn:
            return QStringLiteral("past the board's %1th column").arg(kBoardColumns);
        case BoardTextProblem::Kind::PastLastRow:
            return QStringLiteral("past the board's %1th row").arg(kBoardRows);
    }
    return {};
}

int RunImportCommand(const QStringList& arguments) {
    const std::variant<ToolArguments, int> parsed = ParseCommandLine(
        {"import", {{"--force"}}, kImportUsage, 2, "a text file and a board file"}, arguments);
    if (const int* exitCode = std::get_if<int>(&parsed)) return *exitCode;
    const ToolArguments& args = std::get<ToolArguments>(parsed);
    const QString& textName = args.positionals[0];
    const QString& outName = args.positionals[1];

    const std::optional<QByteArray> bytes = ReadToolInput(textName);
    if (!bytes) return kExitFailure;
    const BoardTextReading reading = ReadBoardText(QString::fromUtf8(*bytes));
    if (reading.problem) {
        const BoardTextProblem& problem = *reading.problem;
        PrintToolError(QStringLiteral("%1:%2:%3: %4")
                           .arg(ToolFileLabel(textName))
                           .arg(problem.line)
                           .arg(problem.column)
                           .arg(DescribeBoardTextProblem(problem)));
        return kExitFailure;
    }
    if (!MayWriteOutput(textName, outName, args.has("--force"))) return kExitFailure;

    MemoryBoard board;
    PlaceBoardText(board, reading.rows);
    return SaveBoard(board, outName) ? kExitSuccess : kExitFailure;
}

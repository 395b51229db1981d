#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

#include "boardtool/toolarguments.h"
#include "platform/filesnapshot.h"

class MemoryBoard;

// Writes "moxel-board: MESSAGE" as one line to standard error, control characters escaped.
void PrintToolError(const QString& message);
// Writes bytes to standard output; false (with the error printed) when they could not all be written.
bool WriteToolOutput(const QByteArray& bytes);

// What a command takes: its name, its options, its usage text, how many arguments besides the options, and
// what those are in words ("one board file").
struct ToolCommandLine {
    const char* name;
    std::vector<ToolOption> options;
    const char* usage;
    qsizetype argumentCount;
    const char* expects;
};
// Parses a command's arguments. Gives the arguments to go on with, or the exit code to end with: after the
// usage for --help, or after the error of a wrong command line.
std::variant<ToolArguments, int> ParseCommandLine(const ToolCommandLine& command,
                                                  const QStringList& arguments);

// Why a file could not be read or written, in the words of the tool's messages: "permission denied".
QString DescribeFileProblem(FileProblem problem);

// Reads a board file into board by the window's reading steps; a file that is missing, cannot be read
// whole, or holds no board ("Poru" in section "Setting") is an error here, printed, and false is returned.
bool LoadBoard(MemoryBoard& board, const QString& fileName);
// Saves board by the window's saving steps (one atomic replacement); false, with the error printed, when
// the file cannot be written.
bool SaveBoard(const MemoryBoard& board, const QString& fileName);
// Whether a command that reads inputName may write the new file outputName: a file already there only with
// force, and never the input itself, by whatever name it is reached. False with the error printed.
bool MayWriteOutput(const QString& inputName, const QString& outputName, bool force);
// Reads a text file whole ("-": standard input), at most as large as a board file may be; none, with the
// error printed, when it cannot.
std::optional<QByteArray> ReadToolInput(const QString& fileName);

// The name a file goes by in messages: standard input is "<stdin>".
QString ToolFileLabel(const QString& fileName);

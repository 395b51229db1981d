#include "boardtool/joincommand.h"

#include "app/junctions.h"
#include "boardtool/memoryboard.h"
#include "boardtool/toolarguments.h"
#include "boardtool/toolconsole.h"

const char kJoinUsage[] =
    "usage: moxel-board join FILE.qvx\n"
    "Repairs the junctions: two neighbouring line cells are joined when either reaches toward the other,\n"
    "and every line cell becomes the glyph that reaches exactly its joined neighbours. The file is\n"
    "rewritten in place, keeping its counter and colour.\n";

int RunJoinCommand(const QStringList& arguments) {
    const std::variant<ToolArguments, int> parsed =
        ParseCommandLine({"join", {}, kJoinUsage, 1, "one board file"}, arguments);
    if (const int* exitCode = std::get_if<int>(&parsed)) return *exitCode;
    const ToolArguments& args = std::get<ToolArguments>(parsed);
    const QString& fileName = args.positionals[0];

    MemoryBoard board;
    if (!LoadBoard(board, fileName)) return kExitFailure;
    // A board with nothing to repair leaves its file untouched.
    if (JoinJunctions(board) == 0) return kExitSuccess;
    return SaveBoard(board, fileName) ? kExitSuccess : kExitFailure;
}

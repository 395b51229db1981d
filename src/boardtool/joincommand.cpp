#include "boardtool/joincommand.h"

#include <array>

#include "app/boardcells.h"
#include "app/glypharms.h"
#include "boardtool/memoryboard.h"
#include "boardtool/toolarguments.h"
#include "boardtool/toolconsole.h"

const char kJoinUsage[] =
    "usage: moxel-board join FILE.qvx\n"
    "Repairs the junctions: every line cell becomes the glyph whose arms reach exactly the neighbours\n"
    "whose arms reach back. The file is rewritten in place, keeping its counter and colour.\n";

namespace {

struct Step {
    GlyphArm arm;
    GlyphArm back;  // the neighbour's arm that points back
    int dRow;
    int dColumn;
};

constexpr std::array<Step, 4> kSteps{{
    {GlyphArm::Up, GlyphArm::Down, -1, 0},
    {GlyphArm::Down, GlyphArm::Up, 1, 0},
    {GlyphArm::Left, GlyphArm::Right, 0, -1},
    {GlyphArm::Right, GlyphArm::Left, 0, 1},
}};

}  // namespace

int JoinJunctions(BoardCells& cells) {
    std::array<Glyph, kCellCount> before{};
    for (int i = 0; i < kCellCount; ++i)
        before[i] = GlyphOfCaption(cells.CellCaption(i)).value_or(Glyph::Blank);

    int changed = 0;
    for (int row = 0; row < kBoardRows; ++row) {
        for (int column = 0; column < kBoardColumns; ++column) {
            const int index = row * kBoardColumns + column;
            if (before[index] == Glyph::Blank) continue;
            GlyphArms arms;
            for (const Step& step : kSteps) {
                const int r = row + step.dRow;
                const int c = column + step.dColumn;
                if (r < 0 || r >= kBoardRows || c < 0 || c >= kBoardColumns) continue;
                if (ArmsOfGlyph(before[r * kBoardColumns + c]).has(step.back)) arms = arms.with(step.arm);
            }
            const std::optional<Glyph> joined = GlyphOfArms(arms);
            if (!joined || *joined == before[index]) continue;
            cells.SetCellCaption(index, GlyphCaption(*joined));
            ++changed;
        }
    }
    return changed;
}

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

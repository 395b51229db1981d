// Arbitrary bytes as a board file: the reading steps end, never crash and set no more than the board's
// 450 cells, each to a glyph.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/boardfile.h"
#include "app/fakeboard.h"
#include "fuzzfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeBoard board;
    ReadBoardFile(board,
                  WriteFuzzFile("board.qvx", std::string_view(reinterpret_cast<const char*>(data), size)));
    if (board.calls.filter(QStringLiteral("cell ")).size() > kCellCount) std::abort();
    if (board.counterLabel != QString::number(board.counter)) std::abort();
    for (int i = 0; i < kCellCount; ++i)
        if (!GlyphOfCaption(board.CellCaption(i))) std::abort();
    return 0;
}

// The board panel's own painting: one cell's face, a repaint of the whole board, and the grid-line switch
// that restyles all 450 cells.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <memory>

#include "app/boardpanel.h"
#include "app/glyphs.h"
#include "buttongrid/mxspeedbutton.h"
#include "platform/canvas.h"

namespace {

// A shown board with a glyph in every cell, so every face draws a caption.
std::unique_ptr<TMxButtonPanel> shownBoard() {
    std::unique_ptr<TMxButtonPanel> board(CreateBoardPanel(nullptr));
    for (int i = 0; i < kCellCount; ++i) board->Buttons()[i].SetCaption(QStringLiteral("╋"));
    board->show();
    QCoreApplication::processEvents();
    return board;
}

// Composing one explorer cell's face over the back bitmap, hot, as hovering does.
void BM_PaintOneCell(benchmark::State& state) {
    auto board = shownBoard();
    TMxSpeedButton* cell = board->Buttons()[100].Btn();
    cell->MouseEnter();
    QImage face(18, 18, QImage::Format_RGB32);
    Canvas canvas(face);
    for (auto _ : state) {
        cell->Paint(canvas);
        benchmark::DoNotOptimize(face.constBits());
    }
}

// The same cell entered and left, each change painted on screen at once.
void BM_HoverOneCell(benchmark::State& state) {
    auto board = shownBoard();
    TMxSpeedButton* cell = board->Buttons()[100].Btn();
    for (auto _ : state) {
        cell->MouseEnter();
        cell->MouseExit();
    }
    state.counters["paints"] =
        benchmark::Counter(static_cast<double>(cell->PaintCount()), benchmark::Counter::kAvgIterations);
}

// The panel and every cell painted again, as after an expose of the whole board.
void BM_FullPanelRepaint(benchmark::State& state) {
    auto board = shownBoard();
    QImage target(board->size(), QImage::Format_RGB32);
    TMxSpeedButton* last = board->Buttons()[kCellCount - 1].Btn();
    const int before = last->PaintCount();
    for (auto _ : state) board->render(&target);
    state.counters["cell paints"] = benchmark::Counter(static_cast<double>(last->PaintCount() - before),
                                                       benchmark::Counter::kAvgIterations);
}

// The grid-line switch: every cell restyled, then the board painted in its new look.
void BM_StyleChangeAllButtons(benchmark::State& state) {
    auto board = shownBoard();
    bool grid = false;
    for (auto _ : state) {
        grid = !grid;
        board->SetButtonStyle(grid ? TMxUserButtonStyle::ubsAutoDetect : TMxUserButtonStyle::ubsExplorer);
        board->repaint();
    }
}

// A change of the board's gradient: the back bitmap rendered again and every see-through cell repainted.
void BM_GradientChange(benchmark::State& state) {
    auto board = shownBoard();
    TMxGradient& gradient = board->FillObject().Gradient();
    bool elliptic = true;
    for (auto _ : state) {
        elliptic = !elliptic;
        gradient.SetStyle(elliptic ? TMxGradientStyle::gstElliptic : TMxGradientStyle::gstSquare);
        board->repaint();
    }
}

}  // namespace

BENCHMARK(BM_PaintOneCell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HoverOneCell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullPanelRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StyleChangeAllButtons)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GradientChange)->Unit(benchmark::kMicrosecond);

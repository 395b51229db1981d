#pragma once

#include <array>

#include "app/boardhost.h"
#include "app/glyphs.h"

// A board held in memory, starting as the window starts: every cell blank, counter 0, the new board's
// colour. The tool has no window, so nothing plays, pulses or shows.
class MemoryBoard : public BoardHost {
public:
    MemoryBoard();

    QString CellCaption(int index) const override;
    void SetCellCaption(int index, const QString& caption) override;

    std::int32_t ClickCounter() const override { return m_counter; }
    void SetClickCounter(std::int32_t value) override { m_counter = value; }
    void SetCounterLabel(const QString&) override {}

    TColor BoardGradientColor() const override { return m_color; }
    void SetBoardGradientColor(TColor color) override { m_color = color; }

    DrawingMode CurrentDrawingMode() const override { return DrawingMode::FullCycle; }
    void PlaySound(const QString&) override {}
    void SetPulseMark(int) override {}
    void SetOpenDialogFileName(const QString&) override {}

private:
    std::array<QString, kCellCount> m_cells;
    std::int32_t m_counter = 0;
    TColor m_color;
};

#include "boardtool/memoryboard.h"

#include "app/boardfile.h"

MemoryBoard::MemoryBoard() : m_color(kNewBoardGradientColor) {
    m_cells.fill(GlyphCaption(Glyph::Blank));
}

QString MemoryBoard::CellCaption(int index) const {
    return m_cells.at(static_cast<std::size_t>(index));
}

void MemoryBoard::SetCellCaption(int index, const QString& caption) {
    m_cells.at(static_cast<std::size_t>(index)) = caption;
}

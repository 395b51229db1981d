#pragma once

#include <QString>

// The board as its 450 cell captions, cell index 0 to 449. The main form holds them in its button grid; the
// board rules work on any such list.
class BoardCells {
public:
    virtual ~BoardCells() = default;

    virtual QString CellCaption(int index) const = 0;
    virtual void SetCellCaption(int index, const QString& caption) = 0;
};

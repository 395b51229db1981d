#include "app/textlines.h"

#include "app/boardcells.h"
#include "app/glyphs.h"

QStringList BoardTextLines(const BoardCells& cells) {
    QStringList lines;
    lines.reserve(kBoardRows);
    for (int row = 0; row < kBoardRows; ++row) {
        QString line;
        line.reserve(kBoardColumns);
        for (int column = 0; column < kBoardColumns; ++column) {
            line.append(cells.CellCaption(row * kBoardColumns + column));
        }
        lines.append(line);
    }
    return lines;
}

QString BoardText(const BoardCells& cells) {
    QString text;
    for (const QString& line : BoardTextLines(cells)) {
        text.append(line);
        text.append(QStringLiteral("\r\n"));
    }
    return text;
}

#include "app/textimport.h"

#include <QStringView>

#include "app/boardcells.h"

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
constexpr char16_t kFullWidthSpace = 0x3000;

std::vector<QStringView> splitLines(QStringView text) {
    std::vector<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        lines.push_back(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    // A last line end closes the last line; it does not open another.
    if (start < text.size()) lines.push_back(text.mid(start));
    return lines;
}

}  // namespace

BoardTextReading ReadBoardText(const QString& text) {
    QStringView rest(text);
    if (rest.startsWith(QChar(kByteOrderMark))) rest = rest.mid(1);
    BoardTextReading reading;
    const std::vector<QStringView> lines = splitLines(rest);
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const QStringView line = lines[r];
        std::vector<Glyph> row;
        const auto problem = [&](BoardTextProblem::Kind kind, qsizetype at, qsizetype length) {
            reading.problem = BoardTextProblem{kind, static_cast<int>(r) + 1, static_cast<int>(at) + 1,
                                               line.mid(at, length).toString()};
            reading.rows.clear();
            return reading;
        };
        for (qsizetype i = 0; i < line.size(); ++i) {
            const qsizetype at = i;
            std::optional<Glyph> glyph;
            if (line[i] == kFullWidthSpace) {
                glyph = Glyph::Blank;
            } else if (line[i] == u' ') {
                if (i + 1 >= line.size() || line[i + 1] != u' ')
                    return problem(BoardTextProblem::Kind::LoneSpace, at, 1);
                ++i;
                glyph = Glyph::Blank;
            } else {
                // A character outside the Basic Multilingual Plane is named whole.
                const qsizetype length = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
                glyph = GlyphOfCaption(line.mid(i, length).toString());
                if (!glyph) return problem(BoardTextProblem::Kind::UnknownCharacter, at, length);
            }
            if (r >= static_cast<std::size_t>(kBoardRows))
                return problem(BoardTextProblem::Kind::PastLastRow, at, 1);
            if (row.size() >= static_cast<std::size_t>(kBoardColumns))
                return problem(BoardTextProblem::Kind::PastLastColumn, at, i - at + 1);
            row.push_back(*glyph);
        }
        reading.rows.push_back(std::move(row));
    }
    return reading;
}

void PlaceBoardText(BoardCells& cells, const std::vector<std::vector<Glyph>>& rows) {
    for (std::size_t r = 0; r < rows.size() && r < static_cast<std::size_t>(kBoardRows); ++r) {
        for (std::size_t c = 0; c < rows[r].size() && c < static_cast<std::size_t>(kBoardColumns); ++c) {
            cells.SetCellCaption(static_cast<int>(r) * kBoardColumns + static_cast<int>(c),
                                 GlyphCaption(rows[r][c]));
        }
    }
}

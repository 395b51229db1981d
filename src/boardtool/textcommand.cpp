#include "boardtool/textcommand.h"

#include <algorithm>
#include <array>

#include "app/glypharms.h"
#include "app/glyphs.h"
#include "boardtool/memoryboard.h"
#include "boardtool/toolarguments.h"
#include "boardtool/toolconsole.h"

const char kTextUsage[] =
    "usage: moxel-board text [OPTIONS] FILE.qvx\n"
    "Prints the board as UTF-8 text, 15 lines of 30 characters.\n"
    "  --ascii-spaces    a blank cell as two ASCII spaces instead of U+3000\n"
    "  --trim            no trailing blanks on a line, no trailing empty lines\n"
    "  --ascii           plain ASCII, two columns a cell: + for corners and junctions, -- and |\n"
    "  --comment STYLE   wrap each line in a comment: //, #, -- or /*\n";

namespace {

struct CommentRow {
    const char* name;
    CommentStyle style;
    const char* prefix;
    const char* suffix;
};

constexpr std::array<CommentRow, 4> kComments{{
    {"//", CommentStyle::Slashes, "// ", ""},
    {"#", CommentStyle::Hash, "# ", ""},
    {"--", CommentStyle::Dashes, "-- ", ""},
    {"/*", CommentStyle::Block, "/* ", " */"},
}};

QString asciiCell(Glyph glyph) {
    if (glyph == Glyph::Blank) return QStringLiteral("  ");
    if (glyph == Glyph::Horizontal) return QStringLiteral("--");
    if (glyph == Glyph::Vertical) return QStringLiteral("| ");
    // A corner or junction carries its line on to the right when it has an arm there.
    return ArmsOfGlyph(glyph).has(GlyphArm::Right) ? QStringLiteral("+-") : QStringLiteral("+ ");
}

QString cellText(Glyph glyph, const BoardTextFormat& format) {
    if (format.ascii) return asciiCell(glyph);
    if (glyph == Glyph::Blank && format.asciiSpaces) return QStringLiteral("  ");
    return GlyphCaption(glyph);
}

void trimEnd(QString& line) {
    qsizetype end = line.size();
    while (end > 0 && (line[end - 1] == u' ' || line[end - 1] == QChar(0x3000))) --end;
    line.truncate(end);
}

QString wrapComment(const QString& line, const BoardTextFormat& format) {
    for (const CommentRow& row : kComments) {
        if (row.style != format.comment) continue;
        QString wrapped = QString::fromLatin1(row.prefix) + line + QString::fromLatin1(row.suffix);
        // A trimmed empty line keeps no blank after its comment mark either.
        if (format.trim) trimEnd(wrapped);
        return wrapped;
    }
    return line;
}

}  // namespace

QStringList FormatBoardText(const BoardCells& cells, const BoardTextFormat& format) {
    QStringList lines;
    for (int row = 0; row < kBoardRows; ++row) {
        QString line;
        for (int column = 0; column < kBoardColumns; ++column) {
            const Glyph glyph =
                GlyphOfCaption(cells.CellCaption(row * kBoardColumns + column)).value_or(Glyph::Blank);
            line += cellText(glyph, format);
        }
        if (format.trim) trimEnd(line);
        lines.append(line);
    }
    if (format.trim) {
        while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    }
    for (QString& line : lines) line = wrapComment(line, format);
    return lines;
}

int RunTextCommand(const QStringList& arguments) {
    const std::variant<ToolArguments, int> parsed =
        ParseCommandLine({"text",
                          {{"--ascii-spaces"}, {"--trim"}, {"--ascii"}, {"--comment", true}},
                          kTextUsage,
                          1,
                          "one board file"},
                         arguments);
    if (const int* exitCode = std::get_if<int>(&parsed)) return *exitCode;
    const ToolArguments& args = std::get<ToolArguments>(parsed);

    BoardTextFormat format;
    format.asciiSpaces = args.has("--ascii-spaces");
    format.trim = args.has("--trim");
    format.ascii = args.has("--ascii");
    if (args.has("--comment")) {
        const QString name = args.value("--comment");
        const auto row = std::find_if(kComments.begin(), kComments.end(),
                                      [&](const CommentRow& r) { return name == QLatin1String(r.name); });
        if (row == kComments.end()) {
            PrintToolError(
                QStringLiteral("text: unknown comment style '%1' (use //, #, -- or /*)").arg(name));
            return kExitUsage;
        }
        format.comment = row->style;
    }

    MemoryBoard board;
    if (!LoadBoard(board, args.positionals[0])) return kExitFailure;
    QByteArray out;
    for (const QString& line : FormatBoardText(board, format)) out += line.toUtf8() + '\n';
    return WriteToolOutput(out) ? kExitSuccess : kExitFailure;
}

#pragma once

#include <QStringList>

class BoardCells;

enum class CommentStyle { None, Slashes, Hash, Dashes, Block };

struct BoardTextFormat {
    bool asciiSpaces = false;  // a blank as two ASCII spaces
    bool trim = false;         // no trailing blanks on a line, no trailing empty lines
    bool ascii = false;        // plain ASCII, two columns a cell
    CommentStyle comment = CommentStyle::None;
};

// The board's 15 lines (fewer when trimmed) in the given format, without line ends.
QStringList FormatBoardText(const BoardCells& cells, const BoardTextFormat& format);

extern const char kTextUsage[];
// moxel-board text [OPTIONS] FILE.qvx
int RunTextCommand(const QStringList& arguments);

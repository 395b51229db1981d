#include "app/boardfile.h"

#include <string>

#include "app/boardhost.h"
#include "app/boardstring.h"
#include "app/clickcounter.h"
#include "app/glyphs.h"
#include "platform/inifile.h"

// File names are handed to the INI file as given, so a relative name is taken from the current folder.

namespace {

constexpr std::string_view kSection = "Setting";
constexpr std::string_view kBoardKey = "Poru";
constexpr std::string_view kCountKey = "Count";
constexpr std::string_view kColorKey = "Color";

}  // namespace

BoardFileReading ReadBoardFile(BoardHost& host, const QString& fileName) {
    QString boardString;
    BoardFileReading reading;
    {
        const IniFile file(fileName);
        SetCounter(host, file.ReadInteger(kSection, kCountKey, host.ClickCounter()));
        host.SetBoardGradientColor(
            TColor::FromInt(file.ReadInteger(kSection, kColorKey, host.BoardGradientColor().ToInt())));
        // The board string is ASCII; reading its bytes one to one keeps every position where it was.
        boardString = QString::fromLatin1(file.ReadString(kSection, kBoardKey, ""));
        reading = {file.ReadProblem(), file.HasKey(kSection, kBoardKey)};
    }
    ApplyBoardString(host, boardString);
    return reading;
}

void SaveBoardFile(const BoardHost& host, const QString& fileName) {
    IniFile file(fileName);
    file.WriteString(kSection, kBoardKey, BoardString(host).toStdString());
    file.WriteInteger(kSection, kCountKey, host.ClickCounter());
    file.WriteInteger(kSection, kColorKey, host.BoardGradientColor().ToInt());
    file.Close();
}

void NewBoard(BoardHost& host) {
    for (int i = 0; i < kCellCount; ++i) host.SetCellCaption(i, GlyphCaption(Glyph::Blank));
    SetCounter(host, 0);
    host.SetBoardGradientColor(kNewBoardGradientColor);
}

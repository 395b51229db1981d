#include <gtest/gtest.h>

#include "app/pastemessage.h"
#include "app/textimport.h"

namespace {

using Kind = BoardTextProblem::Kind;

TEST(PasteMessageTest, NamesWhatIsWrongByLineAndColumn) {
    struct Case {
        BoardTextProblem problem;
        QString message;
    };
    const Case cases[] = {
        {{Kind::UnknownCharacter, 2, 5, "A"},
         "貼り付けられません: 2 行 5 列目の「A」は盤面に置けない文字です."},
        {{Kind::UnknownCharacter, 1, 3, "😀"},
         "貼り付けられません: 1 行 3 列目の「😀」は盤面に置けない文字です."},
        {{Kind::LoneSpace, 15, 30, " "},
         "貼り付けられません: 15 行 30 列目の半角空白が一つだけです (空白は全角一つか半角二つ)."},
        {{Kind::PastLastColumn, 3, 31, "━"},
         "貼り付けられません: 3 行 31 列目が盤面の右端 (30 列) を越えています."},
        {{Kind::PastLastRow, 16, 1, "┏"}, "貼り付けられません: 16 行目が盤面の下端 (15 行) を越えています."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PasteProblemMessage(c.problem), c.message) << c.message.toStdString();
}

TEST(PasteMessageTest, ACharacterThatDoesNotPrintIsNamedByItsCodePoint) {
    struct Case {
        QString character;
        const char* shown;
    };
    // A tab, a control character, a direction override that would turn the message around, a lone surrogate.
    const Case cases[] = {
        {"\t", "U+0009"},
        {QString(QChar(0x1B)), "U+001B"},
        {QString(QChar(0x202E)), "U+202E"},
        {QString(QChar(0xD800)), "U+D800"},
    };
    for (const Case& c : cases) {
        const QString message = PasteProblemMessage({Kind::UnknownCharacter, 4, 7, c.character});
        EXPECT_EQ(message, QStringLiteral("貼り付けられません: 4 行 7 列目の「%1」は盤面に置けない文字です.")
                               .arg(QString::fromUtf8(c.shown)));
    }
}

}  // namespace

#include "app/pastemessage.h"

#include "app/textimport.h"

namespace {

// A character that prints is shown as it stands; any other (a tab, a control or a direction override that
// would turn the rest of the message around) by its code point.
QString shownCharacter(const QString& character) {
    QString shown;
    for (qsizetype i = 0; i < character.size(); ++i) {
        char32_t c = character[i].unicode();
        if (character[i].isHighSurrogate() && i + 1 < character.size() && character[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(character[i], character[i + 1]);
            ++i;
        }
        shown += QChar::isPrint(c)
                     ? QString::fromUcs4(&c, 1)
                     : QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
    }
    return shown;
}

}  // namespace

QString PasteProblemMessage(const BoardTextProblem& problem) {
    using Kind = BoardTextProblem::Kind;
    QString detail;
    switch (problem.kind) {
        case Kind::UnknownCharacter:
            detail = QStringLiteral("%1 行 %2 列目の「%3」は盤面に置けない文字です.")
                         .arg(problem.line)
                         .arg(problem.column)
                         .arg(shownCharacter(problem.character));
            break;
        case Kind::LoneSpace:
            detail = QStringLiteral("%1 行 %2 列目の半角空白が一つだけです (空白は全角一つか半角二つ).")
                         .arg(problem.line)
                         .arg(problem.column);
            break;
        case Kind::PastLastColumn:
            detail = QStringLiteral("%1 行 %2 列目が盤面の右端 (30 列) を越えています.")
                         .arg(problem.line)
                         .arg(problem.column);
            break;
        case Kind::PastLastRow:
            detail = QStringLiteral("%1 行目が盤面の下端 (15 行) を越えています.").arg(problem.line);
            break;
    }
    return QStringLiteral("貼り付けられません: ") + detail;
}

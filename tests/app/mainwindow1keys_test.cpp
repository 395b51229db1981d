#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>

#include "app/boardstring.h"
#include "app/glyphs.h"
#include "app/mainwindow1.h"
#include "app/textlines.h"
#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxspeedbutton.h"
#include "platform/memo.h"
#include "support/files.h"
#include "support/pointer.h"
#include "support/recordeddialogs.h"
#include "support/recordederrorboxes.h"
#include "support/recordedshellopens.h"
#include "support/recordingsoundplayer.h"
#include "widgets/dxflabel.h"
#include "widgets/shinespdbtn.h"

namespace {

const QString kBlankBoard(kCellCount, u'0');

// A drawing that uses every glyph on every row.
QString sampleBoard() {
    QString codes;
    for (int i = 0; i < kCellCount; ++i)
        codes.append(QLatin1Char(GlyphCode(static_cast<Glyph>((i * 5 + i / 30) % 12))));
    return codes;
}

// The whole program, active on the offscreen screen, driven by the pointer and the keyboard.
class MainForm1KeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Timer1.stop();
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QGuiApplication::clipboard()->clear();
    }

    void clickCell(int index) { pointer.Click(form.MultiButton1->Buttons()[index].Btn()); }
    QPoint cellPoint(int index) const {
        return form.MultiButton1->mapTo(&form,
                                        form.MultiButton1->Buttons()[index].Btn()->geometry().center());
    }
    // The cells that hold a glyph, as "index:code".
    QString drawn() const {
        QStringList cells;
        for (int i = 0; i < kCellCount; ++i)
            if (board()[i] != u'0') cells << QString::number(i) + ':' + board()[i];
        return cells.join(' ');
    }
    // The numbers of the glyph sounds played, then the palette labels that pulse.
    QString effects() const {
        QStringList played, pulsing;
        for (const QString& name : sounds.played) played << name.mid(4, 2);
        for (int k = 1; k <= TMainForm1::kPaletteSize; ++k)
            if (form.dxfLabel(k)->Tag() == 1) pulsing << QString::number(k);
        return played.join(' ') + '|' + pulsing.join(' ');
    }
    QString board() const { return BoardString(form); }
    // Keys go where the platform sends them: to the control with the focus, or else to the window.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &form, k, modifiers);
    }
    void undo() { key(Qt::Key_Z); }
    void redo(int i) {
        // Both redo keys, in turn.
        if (i % 2 == 0) {
            key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            key(Qt::Key_Y);
        }
    }
    // Everything an undo must leave alone besides the cells.
    QStringList sideState() const {
        QStringList state{form.dxfLabel13->Caption(), QString::number(form.ClickCounter()),
                          QString::number(form.BoardGradientColor().value),
                          QString::number(sounds.played.size())};
        for (int k = 1; k <= TMainForm1::kPaletteSize; ++k) {
            state << QString::number(form.dxfLabel(k)->Tag()) << QString::number(form.dxfLabel(k)->Angle())
                  << QString::number(form.Direction(k));
        }
        return state;
    }
    void load(const QString& fileName) {
        dialogs.fileAnswer = fileName;
        pointer.Click(form.SpeedButton10);
    }
    void newBoard(bool confirmed) {
        dialogs.confirmAnswer = confirmed;
        pointer.Click(form.SpeedButton8);
    }

    RecordingSoundPlayer sounds;
    RecordedDialogs dialogs;
    RecordedErrorBoxes errors;
    RecordedShellOpens shell;
    TMainForm1 form;
    Pointer pointer{form};
};

TEST_F(MainForm1KeysTest, UndoAndRedoStepThroughClicksNewAndLoadWithoutTouchingAnythingElse) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("drawing.qvx");
    ASSERT_TRUE(WriteWholeFile(file, "[Setting]\r\nPoru=b5\r\nCount=-7\r\nColor=65280\r\n"));

    // Each row changes the board once; the ones marked otherwise change no cell and are no step.
    struct Step {
        const char* what;
        std::function<void()> act;
        bool changesCells;
    };
    const Step steps[] = {
        {"click", [&] { clickCell(0); }, true},
        {"same cell again", [&] { clickCell(0); }, true},
        {"palette click", [&] { pointer.Click(form.dxfLabel(4)); }, false},
        {"click elsewhere", [&] { clickCell(449); }, true},
        {"load", [&] { load(file); }, true},
        {"load of a missing file", [&] { load(dir.filePath("missing.qvx")); }, false},
        {"new refused", [&] { newBoard(false); }, false},
        {"new", [&] { newBoard(true); }, true},
        {"eraser on a blank cell",
         [&] {
             pointer.Click(form.SpeedButton0);
             clickCell(5);
         },
         false},
    };
    QStringList boards{board()};
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(board() != boards.back(), step.changesCells) << step.what;
        if (step.changesCells) boards.append(board());
    }
    ASSERT_EQ(boards.size(), 6);
    EXPECT_EQ(boards[4].left(2), "b5");

    const QStringList side = sideState();
    for (qsizetype i = boards.size() - 2; i >= 0; --i) {
        undo();
        EXPECT_EQ(board(), boards[i]) << "undo to " << i;
    }
    undo();  // nothing left to undo
    EXPECT_EQ(board(), boards[0]);
    for (qsizetype i = 1; i < boards.size(); ++i) {
        redo(static_cast<int>(i));
        EXPECT_EQ(board(), boards[i]) << "redo to " << i;
    }
    redo(0);  // nothing left to redo
    EXPECT_EQ(board(), boards.back());
    EXPECT_EQ(sideState(), side);
    EXPECT_TRUE(errors.shown.isEmpty());
}

TEST_F(MainForm1KeysTest, ANewChangeDropsWhatCouldBeRedone) {
    clickCell(0);
    clickCell(1);
    undo();
    clickCell(2);
    const QString drawn = board();
    EXPECT_EQ(drawn.left(3), "101");
    redo(0);
    redo(1);
    EXPECT_EQ(board(), drawn);
    undo();
    undo();
    EXPECT_EQ(board(), kBlankBoard);
}

TEST_F(MainForm1KeysTest, CopyThenPasteGivesTheSameBoardAsOneUndoStep) {
    ApplyBoardString(form, sampleBoard());
    key(Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), BoardText(form));

    newBoard(true);
    ASSERT_EQ(board(), kBlankBoard);
    const QStringList side = sideState();
    key(Qt::Key_V);
    EXPECT_EQ(board(), sampleBoard());
    EXPECT_EQ(sideState(), side);  // no sound, no count, no pulse
    undo();
    EXPECT_EQ(board(), kBlankBoard);
    redo(1);
    EXPECT_EQ(board(), sampleBoard());
    EXPECT_TRUE(errors.shown.isEmpty());
}

TEST_F(MainForm1KeysTest, APastePlacesFromTheTopLeftAndKeepsTheCellsItDoesNotReach) {
    ApplyBoardString(form, QString(kCellCount, u'b'));
    QGuiApplication::clipboard()->setText("┏━\n\n  ┃");
    key(Qt::Key_V);
    const QString codes = board();
    EXPECT_EQ(codes.left(3), "18b");
    EXPECT_EQ(codes.mid(30, 2), "bb");
    EXPECT_EQ(codes.mid(60, 3), "05b");
    EXPECT_EQ(codes.count(u'b'), kCellCount - 4);
}

TEST_F(MainForm1KeysTest, APasteThatCannotBePlacedChangesNothingAndSaysWhereOnce) {
    const QString fullRow(30, QChar(u'━'));
    struct Case {
        QString text;
        QString message;  // empty: the paste does nothing and says nothing
    };
    const Case cases[] = {
        {"┏━\nAB", "貼り付けられません: 2 行 1 列目の「A」は盤面に置けない文字です."},
        {"┏ ┓", "貼り付けられません: 1 行 2 列目の半角空白が一つだけです (空白は全角一つか半角二つ)."},
        {fullRow + "\n" + fullRow + "┃",
         "貼り付けられません: 2 行 31 列目が盤面の右端 (30 列) を越えています."},
        {(fullRow + "\r\n").repeated(15) + "┏",
         "貼り付けられません: 16 行目が盤面の下端 (15 行) を越えています."},
        {"┃\t┃", "貼り付けられません: 1 行 2 列目の「U+0009」は盤面に置けない文字です."},
        {"", ""},
        {"\n\r\n\n", ""},
    };
    clickCell(7);
    const QString drawn = board();
    for (const Case& c : cases) {
        errors.shown.clear();
        QGuiApplication::clipboard()->setText(c.text);
        key(Qt::Key_V);
        EXPECT_EQ(board(), drawn) << c.text.toStdString();
        EXPECT_EQ(errors.shown, c.message.isEmpty() ? QStringList{} : QStringList{c.message})
            << c.text.toStdString();
    }
    // None of them was a step: the one undo takes back the click.
    undo();
    EXPECT_EQ(board(), kBlankBoard);
}

// The file and help keys run the buttons' own handlers: each asks what its button asks. Ctrl+J repairs the
// board as one undo step, and like a paste makes no sound, count or pulse.
TEST_F(MainForm1KeysTest, TheUsualKeys) {
    for (Qt::Key k : {Qt::Key_N, Qt::Key_O, Qt::Key_S}) key(k);
    key(Qt::Key_F1, Qt::NoModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].title + dialogs.fileRequests[1].title, "開く保存");
    EXPECT_EQ(shell.opened,
              QList{QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/Readme.txt")});
    const QString crosses = "bb" + QString(28, u'0') + "bb" + QString(kCellCount - 32, u'0');
    ApplyBoardString(form, crosses);
    const QStringList side = sideState();
    key(Qt::Key_J);
    key(Qt::Key_J);  // settled: no second step
    EXPECT_EQ(board().left(32), "12" + QString(28, u'0') + "34");
    EXPECT_EQ(sideState(), side);
    undo();
    EXPECT_EQ(board(), crosses);
    EXPECT_EQ(sounds.played, QStringList(3, "chma.wav"));  // the help, as its bead, is silent
}

TEST_F(MainForm1KeysTest, TheTextViewKeepsItsOwnKeys) {
    clickCell(0);
    clickCell(1);
    undo();  // something to redo, which the text view's keys must not reach
    const QString drawn = board();
    pointer.Click(form.SpeedButton6);
    ASSERT_TRUE(form.Memo1->isVisible());
    form.Memo1->setFocus();
    ASSERT_TRUE(form.Memo1->hasFocus());
    const QString shown = form.Memo1->toPlainText();

    // Copy takes the selection, with the edit box's own line ends.
    QTest::keyClick(form.Memo1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.Memo1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), shown);

    QTest::keyClick(form.Memo1, Qt::Key_End, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText("xyz");
    QTest::keyClick(form.Memo1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Memo1->toPlainText(), shown + "xyz");
    QTest::keyClick(form.Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Memo1->toPlainText(), shown);
    QTest::keyClick(form.Memo1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.Memo1->toPlainText(), shown + "xyz");
    QTest::keyClick(form.Memo1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(board(), drawn);
    // Where the desktop's edit box does not claim a key, the board's shortcut fires and still stays out.
    const QList<QShortcut*> shortcuts = form.findChildren<QShortcut*>();
    EXPECT_EQ(shortcuts.size(), 9);
    for (QShortcut* shortcut : shortcuts) {
        emit shortcut->activated();
        EXPECT_EQ(board(), drawn) << shortcut->key().toString().toStdString();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "xyz") << shortcut->key().toString().toStdString();
    }
    EXPECT_EQ(form.Memo1->toPlainText(), shown + "xyz");
    EXPECT_TRUE(errors.shown.isEmpty());

    // Back on the board, its keys work again.
    pointer.Click(form.SpeedButton6);
    ASSERT_FALSE(form.Memo1->isVisible());
    undo();
    EXPECT_EQ(board(), kBlankBoard);
}

// Strokes draw as the pointer moves; a box keeps its last frame, taking the earlier one back silently. Each
// new glyph counts, sounds and pulses as its click would, and a drag is one step; a Shift click is a plain
// click.
TEST_F(MainForm1KeysTest, ShiftDragsDrawStrokesAndBoxesAsOneUndoStep) {
    struct Drag {
        Qt::KeyboardModifiers held;
        std::vector<int> cells;          // pressed on the first, released on the last
        std::vector<const char*> drawn;  // after each move, and after the release
        const char* effects;
    };
    const Drag drags[] = {
        {Qt::NoModifier, {10, 11, 12}, {"", ""}, "|"},
        {Qt::ShiftModifier, {5, 5}, {"", "5:1"}, "00|1"},
        {Qt::ShiftModifier, {31, 32, 63}, {"31:8 32:8", "31:8 32:8 33:2 63:5"}, "07 07 01 04|2 5 8"},
        {Qt::ShiftModifier | Qt::ControlModifier,
         {0, 63, 31},
         {"0:1 1:8 2:8 3:2 30:5 33:5 60:3 61:8 62:8 63:4", "0:1 1:2 30:3 31:4"},
         "00 07 07 01 04 04 02 07 07 03 01 02 03|1 2 3 4 5 8"},
    };
    for (const Drag& drag : drags) {
        newBoard(true);
        sounds.played.clear();
        for (int k = 1; k <= TMainForm1::kPaletteSize; ++k) form.dxfLabel(k)->SetTag(0);
        const std::int32_t counter = form.ClickCounter();
        pointer.Hold(drag.held);
        pointer.Press(cellPoint(drag.cells[0]));
        for (std::size_t i = 1; i < drag.cells.size(); ++i) {
            pointer.MoveTo(cellPoint(drag.cells[i]));
            EXPECT_EQ(drawn(), drag.drawn[i - 1]);
        }
        pointer.Release(cellPoint(drag.cells.back()));
        pointer.Hold(Qt::NoModifier);
        EXPECT_EQ(drawn(), drag.drawn.back());
        EXPECT_EQ(effects(), drag.effects);
        EXPECT_EQ(form.ClickCounter() - counter, sounds.played.size());
        undo();
        EXPECT_EQ(board(), kBlankBoard);
    }
}

// Return clicks the cursor's cell as the pointer would (┃ steps on to ┣); each key is one undo step, and the
// Shift+arrows one after another are one line, turning with a corner.
TEST_F(MainForm1KeysTest, TheCellCursorClicksAndDrawsFromTheKeyboard) {
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(form.MultiButton1)->tableInterface();
    const auto focused = [&](int row, int column) { return table->cellAt(row, column)->state().focused; };
    for (Qt::Key k : {Qt::Key_Space, Qt::Key_Right})
        key(k, Qt::NoModifier);  // no cursor to click; then it shows
    EXPECT_TRUE(focused(0, 0));
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) key(k, Qt::ShiftModifier);
    key(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(drawn(), "0:8 1:8 2:2 32:6");
    EXPECT_EQ(effects(), "07 07 07 01 04 05|2 5 6 8");
    EXPECT_TRUE(focused(1, 2) && !focused(0, 0));
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Space}) key(k, Qt::NoModifier);
    EXPECT_FALSE(focused(1, 2));
    EXPECT_EQ(form.ClickCounter(), 6);
    for (const char* line : {"0:8 1:8 2:2 32:5", "0:8 1:8 2:8", "0:8 1:8", ""}) {
        undo();
        EXPECT_EQ(drawn(), line);
    }
}

}  // namespace

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
#include "app/glyphcycles.h"
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
    // The cells that hold a glyph, as "index:code", in order.
    QString drawn() const {
        QStringList cells;
        for (int i = 0; i < kCellCount; ++i)
            if (board()[i] != u'0') cells << QString::number(i) + ':' + board()[i];
        return cells.join(' ');
    }
    // The glyph sounds played, by their numbers.
    QString soundNumbers() const {
        QStringList numbers;
        for (const QString& name : sounds.played) numbers << name.mid(4, 2);
        return numbers.join(' ');
    }
    QList<int> pulsing() const {
        QList<int> labels;
        for (int k = 1; k <= TMainForm1::kPaletteSize; ++k)
            if (form.dxfLabel(k)->Tag() == 1) labels << k;
        return labels;
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

// A Shift drag draws as the pointer moves, diagonal jumps filled in; a Ctrl+Shift drag keeps only its last
// frame, taking back the earlier one silently. Each new glyph counts, sounds and pulses as its click would,
// and the whole drag is one undo step.
TEST_F(MainForm1KeysTest, ShiftDragsDrawStrokesAndBoxesAsOneUndoStep) {
    struct Move {
        int cell;
        const char* drawn;
    };
    struct Drag {
        Qt::KeyboardModifiers held;
        int press;
        std::vector<Move> moves;
        const char* sounds;
        QList<int> pulses;
    };
    const Drag drags[] = {
        {Qt::ShiftModifier, 31, {{32, "31:8 32:8"}, {63, "31:8 32:8 33:2 63:5"}}, "07 07 01 04", {2, 5, 8}},
        {Qt::ShiftModifier | Qt::ControlModifier,
         0,
         {{63, "0:1 1:8 2:8 3:2 30:5 33:5 60:3 61:8 62:8 63:4"}, {31, "0:1 1:2 30:3 31:4"}},
         "00 07 07 01 04 04 02 07 07 03 01 02 03",
         {1, 2, 3, 4, 5, 8}},
    };
    for (const Drag& drag : drags) {
        newBoard(true);
        sounds.played.clear();
        for (int k = 1; k <= TMainForm1::kPaletteSize; ++k) form.dxfLabel(k)->SetTag(0);
        const std::int32_t counter = form.ClickCounter();
        pointer.Hold(drag.held);
        pointer.Press(cellPoint(drag.press));
        for (const Move& move : drag.moves) {
            pointer.MoveTo(cellPoint(move.cell));
            EXPECT_EQ(drawn(), move.drawn);
        }
        pointer.Release(cellPoint(drag.moves.back().cell));
        pointer.Hold(Qt::NoModifier);
        EXPECT_EQ(soundNumbers(), drag.sounds);
        EXPECT_EQ(form.ClickCounter() - counter, sounds.played.size());
        EXPECT_EQ(pulsing(), drag.pulses);
        undo();
        EXPECT_EQ(board(), kBlankBoard);
        redo(0);
        EXPECT_EQ(drawn(), drag.moves.back().drawn);
    }
}

TEST_F(MainForm1KeysTest, AShiftPressReleasedOnItsCellIsAPlainClickAndAPlainDragDrawsNothing) {
    pointer.Hold(Qt::ShiftModifier);
    pointer.Press(cellPoint(5));
    pointer.MoveTo(cellPoint(5) + QPoint(4, 4));
    pointer.Release(cellPoint(5) + QPoint(4, 4));
    pointer.Hold(Qt::NoModifier);
    clickCell(6);
    pointer.Press(cellPoint(10));
    pointer.MoveTo(cellPoint(11));
    pointer.MoveTo(cellPoint(12));
    pointer.Release(cellPoint(12));
    EXPECT_NE(board()[5], u'0');
    EXPECT_EQ(board().mid(5, 2), QString(2, board()[5]));
    EXPECT_EQ(board().count(u'0'), kCellCount - 2);
    EXPECT_EQ(form.ClickCounter(), 2);
    ASSERT_EQ(sounds.played.size(), 2);
    EXPECT_EQ(sounds.played[0], sounds.played[1]);
}

TEST_F(MainForm1KeysTest, TheCellCursorClicksAndDrawsFromTheKeyboard) {
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(form.MultiButton1)->tableInterface();
    const auto focused = [&](int row, int column) { return table->cellAt(row, column)->state().focused; };
    key(Qt::Key_Space, Qt::NoModifier);  // no cursor yet, no click
    key(Qt::Key_Right, Qt::NoModifier);  // the first arrow only shows the cursor
    EXPECT_TRUE(focused(0, 0));
    EXPECT_EQ(form.ClickCounter(), 0);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(drawn(), "0:8 1:8 2:9 32:5");
    EXPECT_EQ(soundNumbers(), "07 07 07 08 04");
    EXPECT_TRUE(focused(1, 2));
    EXPECT_FALSE(focused(0, 0));

    const std::optional<Glyph> next = NextGlyph(form.CurrentDrawingMode(), "┃");
    ASSERT_TRUE(next);
    key(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(board()[32], QLatin1Char(GlyphCode(*next)));
    EXPECT_EQ(sounds.played.back(), GlyphSound(*next));
    EXPECT_EQ(form.ClickCounter(), 6);
    key(Qt::Key_Escape, Qt::NoModifier);
    key(Qt::Key_Space, Qt::NoModifier);
    EXPECT_FALSE(focused(1, 2));
    EXPECT_EQ(form.ClickCounter(), 6);

    pointer.Click(form.SpeedButton0);  // the eraser
    key(Qt::Key_Left, Qt::NoModifier);
    key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(drawn(), "0:8 1:8");
    for (int step = 0; step < 5; ++step) undo();
    EXPECT_EQ(board(), kBlankBoard);
}

}  // namespace

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>

#include "app/boardfile.h"
#include "app/boardstring.h"
#include "app/glyphs.h"
#include "app/mainwindow1.h"
#include "app/textlines.h"
#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxspeedbutton.h"
#include "platform/application.h"
#include "platform/hintmanager.h"
#include "platform/memo.h"
#include "platform/panel.h"
#include "support/editduringsave.h"
#include "support/files.h"
#include "support/paintcounter.h"
#include "support/pointer.h"
#include "support/recordeddialogs.h"
#include "support/recordederrorboxes.h"
#include "support/recordedshellopens.h"
#include "support/recordingsoundplayer.h"
#include "widgets/dxfcolorbutton.h"
#include "widgets/dxflabel.h"
#include "widgets/newhint.h"
#include "widgets/shinespdbtn.h"

namespace {

const QString kBlank = GlyphCaption(Glyph::Blank);

// The whole program on the offscreen screen, driven by the pointer like a user. The timer is stopped so
// that each test decides when the palette ticks.
class MainForm1Test : public ::testing::Test {
protected:
    void SetUp() override {
        form.Timer1.stop();
        form.move(40, 40);
        form.show();
        QCoreApplication::processEvents();
    }

    TMxSpeedButton* cell(int index) const { return form.MultiButton1->Buttons()[index].Btn(); }
    void clickCell(int index) { pointer.Click(cell(index)); }
    // The board as its board string, "0" for every blank cell.
    QString board() const { return BoardString(form); }
    void tick(int times) {
        for (int i = 0; i < times; ++i) form.Timer1Timer();
    }

    RecordingSoundPlayer sounds;
    RecordedDialogs dialogs;
    RecordedShellOpens shell;
    RecordedErrorBoxes errors;
    TMainForm1 form;
    Pointer pointer{form};
};

TEST_F(MainForm1Test, CellClickStepsTheCellCountsSoundsAndPulsesItsLabel) {
    clickCell(31);
    EXPECT_EQ(form.CellCaption(31), "┏");
    EXPECT_EQ(form.ClickCounter(), 1);
    EXPECT_EQ(form.dxfLabel13->Caption(), "1");
    EXPECT_EQ(sounds.played, QStringList{"chma00.wav"});
    for (int k = 1; k <= TMainForm1::kPaletteSize; ++k)
        EXPECT_EQ(form.dxfLabel(k)->Tag(), k == 1 ? 1 : 0) << k;
    EXPECT_EQ(board().count(u'0'), kCellCount - 1);
}

struct ModeRow {
    TShineSpeedButton* TMainForm1::*button;
    const char* firstGlyph;  // what a blank cell becomes
    const char* sound;
};

TEST_F(MainForm1Test, ModeButtonsLatchOneAtATimeAndChooseTheCycle) {
    const ModeRow rows[] = {
        {&TMainForm1::SpeedButton2, "┏", "chma00.wav"},  {&TMainForm1::SpeedButton3, "┃", "chma04.wav"},
        {&TMainForm1::SpeedButton4, "━", "chma07.wav"},  {&TMainForm1::SpeedButton5, "╋", "chma10.wav"},
        {&TMainForm1::SpeedButton0, "　", "chma11.wav"}, {&TMainForm1::SpeedButton1, "┏", "chma00.wav"},
    };
    int index = 0;
    for (const ModeRow& row : rows) {
        TShineSpeedButton* button = form.*row.button;
        sounds.played.clear();
        pointer.Click(button);
        pointer.Click(button);  // already down: stays down, clicks again
        EXPECT_TRUE(button->Down()) << button->objectName().toStdString();
        for (const ModeRow& other : rows) EXPECT_EQ((form.*other.button)->Down(), other.button == row.button);
        clickCell(index);
        EXPECT_EQ(form.CellCaption(index), QString::fromUtf8(row.firstGlyph));
        EXPECT_EQ(sounds.played, (QStringList{"chma.wav", "chma.wav", row.sound}));
        ++index;
    }
}

TEST_F(MainForm1Test, SoundButtonOffSilencesEverything) {
    pointer.Click(form.ShineSpeedButton2);
    EXPECT_FALSE(form.ShineSpeedButton2->Down());
    clickCell(0);
    pointer.Click(form.dxfLabel(2));
    pointer.Click(form.SpeedButton7);
    pointer.Click(form.ShineSpeedButton3);
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(form.CellCaption(0), "┏");
    EXPECT_EQ(form.dxfLabel(1)->Tag(), 1);

    pointer.Click(form.ShineSpeedButton2);
    EXPECT_TRUE(form.ShineSpeedButton2->Down());
    EXPECT_EQ(sounds.played, QStringList{"chma.wav"});
}

TEST_F(MainForm1Test, PaletteClickReversesTheSpinAndPlaysItsGlyph) {
    pointer.Click(form.dxfLabel(3));
    EXPECT_TRUE(form.Direction(3));
    tick(1);
    EXPECT_EQ(form.dxfLabel(3)->Angle(), 360);
    tick(1);
    EXPECT_EQ(form.dxfLabel(3)->Angle(), 350);
    EXPECT_EQ(form.dxfLabel(4)->Angle(), 20);

    pointer.Click(form.dxfLabel(3));
    EXPECT_FALSE(form.Direction(3));
    EXPECT_EQ(sounds.played, (QStringList{"chma02.wav", "chma02.wav"}));
    EXPECT_EQ(form.ClickCounter(), 0);
    EXPECT_EQ(board(), QString(kCellCount, u'0'));
}

struct StyleRow {
    TdxfColorButton* TMainForm1::*bead;
    TMxGradientStyle style;
};

TEST_F(MainForm1Test, StyleBeadsSetTheBoardGradientAndStayDown) {
    const StyleRow rows[] = {
        {&TMainForm1::ColorButton4, TMxGradientStyle::gstHorizontal},
        {&TMainForm1::dxfColorButton5, TMxGradientStyle::gstVertical},
        {&TMainForm1::ColorButton5, TMxGradientStyle::gstSquare},
        {&TMainForm1::ColorButton3, TMxGradientStyle::gstElliptic},
        {&TMainForm1::dxfColorButton1, TMxGradientStyle::gstTopLeft},
        {&TMainForm1::ColorButton8, TMxGradientStyle::gstTopRight},
        {&TMainForm1::ColorButton1, TMxGradientStyle::gstBottomLeft},
        {&TMainForm1::ColorButton2, TMxGradientStyle::gstBottomRight},
        {&TMainForm1::ColorButton7, TMxGradientStyle::gstTopLeftDiagonal},
        {&TMainForm1::ColorButton9, TMxGradientStyle::gstTopRightDiagonal},
    };
    for (const StyleRow& row : rows) {
        pointer.Click(form.*row.bead);
        EXPECT_EQ(form.MultiButton1->FillObject().Gradient().Style(), row.style);
        for (const StyleRow& other : rows) EXPECT_EQ((form.*other.bead)->Down(), other.bead == row.bead);
    }
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(MainForm1Test, NewClearsTheBoardOnlyWhenConfirmed) {
    clickCell(5);
    pointer.Click(form.dxfColorButton1);
    form.SetBoardGradientColor(clBlue);
    sounds.played.clear();

    pointer.Click(form.SpeedButton8);  // answered "いいえ(&N)"
    EXPECT_EQ(dialogs.confirmations, QStringList{"確認|編集中の内容がクリアされます。よろしいですか？"});
    EXPECT_EQ(form.CellCaption(5), "┏");
    EXPECT_EQ(form.ClickCounter(), 1);

    dialogs.confirmAnswer = true;
    pointer.Click(form.SpeedButton8);
    EXPECT_EQ(board(), QString(kCellCount, u'0'));
    EXPECT_EQ(form.ClickCounter(), 0);
    EXPECT_EQ(form.dxfLabel13->Caption(), "0");
    EXPECT_EQ(form.BoardGradientColor(), kNewBoardGradientColor);
    EXPECT_EQ(form.MultiButton1->FillObject().Gradient().Style(), TMxGradientStyle::gstTopLeft);
    EXPECT_EQ(sounds.played, (QStringList{"chma.wav", "chma.wav"}));
}

TEST_F(MainForm1Test, SaveAndLoadGoThroughTheDialogsAndRememberTheName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    clickCell(0);
    clickCell(449);
    form.SetBoardGradientColor(TColor(255));

    dialogs.fileAnswer = dir.filePath("drawing");  // typed without extension
    pointer.Click(form.SpeedButton9);
    const QString saved = dir.filePath("drawing.qvx");
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(dialogs.fileRequests.back().title, "保存");
    EXPECT_EQ(dialogs.fileRequests.back().filter, "Moxelファイル (*.qvx)");

    pointer.Click(form.SpeedButton9);  // cancelled: starts from the last name, writes nothing new
    EXPECT_EQ(dialogs.fileRequests.back().fileName, saved);

    dialogs.confirmAnswer = true;
    pointer.Click(form.SpeedButton8);
    pointer.Click(form.SpeedButton10);  // cancelled Load changes nothing
    EXPECT_EQ(board(), QString(kCellCount, u'0'));

    dialogs.fileAnswer = saved;
    pointer.Click(form.SpeedButton10);
    EXPECT_EQ(dialogs.fileRequests.back().title, "開く");
    EXPECT_EQ(form.CellCaption(0), "┏");
    EXPECT_EQ(form.CellCaption(449), "┏");
    EXPECT_EQ(form.ClickCounter(), 2);
    EXPECT_EQ(form.dxfLabel13->Caption(), "2");
    EXPECT_EQ(form.BoardGradientColor(), TColor(255));
    EXPECT_EQ(sounds.played.count("chma.wav"), 5);
    EXPECT_TRUE(errors.shown.isEmpty());
}

TEST_F(MainForm1Test, FailedSaveShowsTheErrorBoxAndTheProgramGoesOn) {
    const QString unwritable = QStringLiteral("/nonexistent-folder/drawing.qvx");
    dialogs.fileAnswer = unwritable;
    // The application object catches what escapes a handler; here the test stands in for it.
    Application::DeliverGuarded([&] {
        pointer.Click(form.SpeedButton9);
        return true;
    });
    EXPECT_EQ(errors.shown, QStringList{unwritable + " に書き込めません."});
    // The pointer is still over the button, which shows so although the handler failed.
    EXPECT_EQ(form.SpeedButton9->DrawState(), TShineDrawState::sdHot);
    clickCell(3);
    EXPECT_EQ(form.CellCaption(3), "┏");
}

// Another program saves the file while ours is being written: its edit stays, and ours says it failed.
TEST_F(MainForm1Test, AnEditMadeDuringTheSaveSurvivesAndTheSaveFails) {
    QTemporaryDir dir;
    dialogs.fileAnswer = dir.filePath("shared.qvx");
    ASSERT_TRUE(WriteWholeFile(*dialogs.fileAnswer, "[Setting]\r\nCount=1\r\n"));
    const EditDuringSave edit("[Setting]\r\nCount=2\r\n");  // the same size: only the content tells
    Application::DeliverGuarded([&] { pointer.Click(form.SpeedButton9); return true; });
    EXPECT_EQ(errors.shown, QStringList{dir.filePath("shared.qvx") + " に書き込めません."});
    EXPECT_EQ(ReadWholeFile(dir.filePath("shared.qvx")), "[Setting]\r\nCount=2\r\n");
}

TEST_F(MainForm1Test, TextOutShowsASnapshotOfTheBoard) {
    clickCell(29);
    clickCell(29);
    pointer.Click(form.SpeedButton6);
    ASSERT_TRUE(form.Memo1->isVisible());
    const QString shown = form.Memo1->toPlainText();
    EXPECT_EQ(shown, BoardText(form).replace("\r\n", "\n"));
    EXPECT_TRUE(shown.startsWith(QString(29, QChar(0x3000)) + "┓\n"));

    // The text box covers the board: a press there no longer reaches the cells.
    EXPECT_EQ(pointer.Hit(form.MultiButton1->mapTo(&form, cell(40)->geometry().center())), form.Memo1->viewport());
    form.SetCellCaption(0, "╋");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QCoreApplication::sendEvent(form.Memo1, &enter);
    EXPECT_EQ(form.Memo1->toPlainText(), shown);

    pointer.Click(form.SpeedButton6);
    EXPECT_FALSE(form.Memo1->isVisible());
    pointer.Click(form.SpeedButton6);
    EXPECT_TRUE(form.Memo1->toPlainText().startsWith("╋"));
    EXPECT_EQ(sounds.played.mid(2), (QStringList{"chma.wav", "chma.wav", "chma.wav"}));
}

TEST_F(MainForm1Test, GridLineTwiceReturnsToTheFlatBoard) {
    std::vector<int> before;
    for (int i = 0; i < kCellCount; i += 37) before.push_back(cell(i)->PaintCount());
    pointer.Click(form.SpeedButton7);
    EXPECT_EQ(form.MultiButton1->ButtonStyle(), TMxUserButtonStyle::ubsAutoDetect);
    QCoreApplication::processEvents();
    // Every cell is drawn again in its new face.
    for (int i = 0; i < kCellCount; i += 37) EXPECT_GT(cell(i)->PaintCount(), before[i / 37]) << i;

    pointer.Click(form.SpeedButton7);
    EXPECT_EQ(form.MultiButton1->ButtonStyle(), TMxUserButtonStyle::ubsExplorer);
    EXPECT_EQ(sounds.played, (QStringList{"chma.wav", "chma.wav"}));
}

TEST_F(MainForm1Test, PulseShrinksAndGrowsBackInFourteenTicksWhileAllKeepSpinning) {
    clickCell(100);
    QCoreApplication::processEvents();
    PaintCounter paints;
    QList<int> sizes;
    for (int i = 0; i < 14; ++i) {
        tick(1);
        sizes.append(form.dxfLabel(1)->Font().Size());
    }
    EXPECT_EQ(sizes, (QList<int>{80, 60, 40, 20, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(form.dxfLabel(1)->Tag(), 0);
    for (int k = 1; k <= TMainForm1::kPaletteSize; ++k) {
        EXPECT_EQ(form.dxfLabel(k)->Angle(), 140) << k;
        EXPECT_EQ(form.dxfLabel(k)->Font().Size(), 100) << k;
    }
    // A tick redraws the palette and nothing of the board.
    QCoreApplication::processEvents();
    EXPECT_GE(paints.Of(form.Panel3), 1);
    EXPECT_EQ(paints.Within(form.MultiButton1), 0);
}

TEST_F(MainForm1Test, WindowCommands) {
    // Color: preset with the board's colour; cancel keeps it, confirm sets it.
    pointer.Click(form.ShineSpeedButton1);
    EXPECT_EQ(dialogs.colorRequests, std::vector<TColor>{kNewBoardGradientColor});
    EXPECT_EQ(form.BoardGradientColor(), kNewBoardGradientColor);
    dialogs.colorAnswer = clAqua;
    pointer.Click(form.ShineSpeedButton1);
    EXPECT_EQ(form.BoardGradientColor(), clAqua);

    pointer.Click(form.ShineSpeedButton3);
    pointer.Click(form.ColorButton13);
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_EQ(shell.opened[0].toString(), "http://localhost/info.php?pf=w&sn=app_tests");
    EXPECT_EQ(shell.opened[1].toLocalFile(), QCoreApplication::applicationDirPath() + "/Readme.txt");
    EXPECT_EQ(sounds.played, (QStringList{"chma.wav", "chma.wav", "chma.wav"}));  // help plays nothing

    pointer.Click(form.ColorButton12);
    EXPECT_TRUE(form.isMinimized());
    form.showNormal();
    pointer.Click(form.ColorButton11);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MainForm1Test, EveryHintShowsInTheMainWindowsHintStyle) {
    EXPECT_EQ(form.ColorButton11->toolTip(), " 閉じる");
    EXPECT_EQ(form.ColorButton12->toolTip(), " 最小化");
    EXPECT_EQ(form.ColorButton13->toolTip(), " ヘルプ");
    HintManager& hints = HintManager::Instance();
    int controlsWithHints = 0;
    // The pointer rests at `at` on a control whose hint is `text`, as point() tells the hint manager.
    const auto check = [&](const QObject& control, QPoint at, const QString& text, const auto& point) {
        ++controlsWithHints;
        hints.CancelHint();
        hints.PointerAt(nullptr, {});
        point();
        EXPECT_EQ(hints.TimerInterval(), 500);
        hints.TimerExpired();
        const auto* window = dynamic_cast<const THintEx*>(hints.CurrentHintWindow());
        ASSERT_NE(window, nullptr) << control.objectName().toStdString();
        EXPECT_EQ(window->Caption(), text);
        EXPECT_EQ(window->HintRect().Top, at.y() + HintManager::kCursorHeight - 8);
        EXPECT_FALSE(window->WindowRegion().IsEmpty());
    };
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (control->toolTip().isEmpty()) continue;
        const QPoint at = control->mapToGlobal(control->rect().center());
        check(*control, at, control->toolTip(), [&] { hints.PointerAt(control, at); });
    }
    for (TGraphicControl* control : form.findChildren<TGraphicControl*>()) {
        if (control->Hint().isEmpty() || !control->ShowHint()) continue;
        const QPoint at = control->mapToGlobal(control->rect().center());
        check(*control, at, control->Hint(), [&] { hints.PointerAtGraphic(control->Parent(), control, at); });
    }
    EXPECT_EQ(controlsWithHints, 17);  // fourteen glossy buttons and three title beads
    hints.CancelHint();
}

struct DragRow {
    const char* where;
    QPoint start;  // in the form
    bool moves;
};

TEST_F(MainForm1Test, PressOnTheFormsOwnSurfaceMovesTheWindow) {
    const DragRow rows[] = {
        {"gradient background", {3, 200}, true},
        {"title strip", {620, 300}, true},
        {"bevel", {6, 200}, true},
        {"title label", {621, 90}, true},
        {"counter", {520, 370}, true},
        {"board cell", {60, 100}, false},
        {"board frame, left", {34, 178}, false},
        {"board frame, bottom", {300, 349}, false},
        {"mode button", {100, 15}, false},
        {"mode panel frame", {8, 8}, false},
        {"style bead", {26, 214}, false},
        {"palette label", {166, 416}, false},
    };
    for (const DragRow& row : rows) {
        const QPoint before = form.pos();
        pointer.Press(row.start);
        pointer.MoveTo(row.start + QPoint(40, 30));
        pointer.Release(row.start + QPoint(40, 30));
        EXPECT_EQ(form.pos(), row.moves ? before + QPoint(40, 30) : before) << row.where;
        form.move(40, 40);
    }
}

TEST_F(MainForm1Test, StartsWithTheBoardFilesOfTheCommandLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("START.Qvx");
    ASSERT_TRUE(WriteWholeFile(file, "[Setting]\r\nPoru=b5\r\nCount=-7\r\nColor=65280\r\n"));

    form.FormCreate({dir.filePath("missing.qvx"), file});
    EXPECT_EQ(form.CellCaption(0), "╋");
    EXPECT_EQ(form.CellCaption(1), "┃");
    EXPECT_EQ(form.dxfLabel13->Caption(), "-7");
    EXPECT_EQ(form.BoardGradientColor(), clLime);
    pointer.Click(form.SpeedButton10);
    EXPECT_EQ(dialogs.fileRequests.back().fileName, file);
    EXPECT_EQ(sounds.played, QStringList{"chma.wav"});
}

// Only the windowed controls are widgets; the cells, buttons, labels and shapes are painted by them.
TEST_F(MainForm1Test, FewWidgetsOnceShown) {
    EXPECT_LE(QApplication::allWidgets().size(), 40);
}

TEST(MainForm1WindowTest, IsBorderlessWithFixedClientArea) {
    TMainForm1 form;
    EXPECT_EQ(form.objectName(), "MainForm1");
    EXPECT_EQ(form.windowTitle(), "ポルポルMoxel!");
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(632, 446));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST(SnapshotToolTest, WritesTheMainWindowAsPng) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath("mainform.png");
    QProcess tool;
    tool.start(MOXEL_SNAPSHOT_TOOL, {out});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QImage shot(out);
    EXPECT_EQ(shot.size(), QSize(632, 446));
}

}  // namespace

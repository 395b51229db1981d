#include "app/mainwindow1.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <utility>

#include "app/boardfile.h"
#include "app/cellclick.h"
#include "app/commandline.h"
#include "app/glyphs.h"
#include "app/mainwindow1layout.h"
#include "app/textlines.h"
#include "buttongrid/mxbuttonpanel.h"
#include "platform/dialogs.h"
#include "platform/filename.h"
#include "platform/memo.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/windowmove.h"
#include "widgets/dxfcolorbutton.h"
#include "widgets/dxflabel.h"
#include "widgets/shinespdbtn.h"

namespace {

const QString kClickSound = QStringLiteral("chma.wav");

}  // namespace

TMainForm1::TMainForm1(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("MainForm1"));
    setWindowTitle(QStringLiteral("ポルポルMoxel!"));
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    CreateMainForm1Layout(*this);

    m_programDirectory = QCoreApplication::applicationDirPath();
    for (int i = 0; i < kCellCount; ++i) SetCellCaption(i, GlyphCaption(Glyph::Blank));
    ColorButton11->SetHint(QStringLiteral(" 閉じる"));
    ColorButton12->SetHint(QStringLiteral(" 最小化"));
    ColorButton13->SetHint(QStringLiteral(" ヘルプ"));
    createBoardKeys();
}

// The boards of the command line are where the session starts, not steps to undo.
void TMainForm1::FormCreate(const QStringList& arguments) {
    LoadCommandLineFiles(*this, arguments);
}

QString TMainForm1::InfoAddress() {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString baseName = program.chopped(FileExtension(program).size());
    return QStringLiteral("http://" MOXEL_INFO_HOST "/info.php?pf=w&sn=") + baseName;
}

// --- BoardHost --------------------------------------------------------------------------------------------

QString TMainForm1::CellCaption(int index) const {
    return MultiButton1->Buttons()[index].Caption();
}

void TMainForm1::SetCellCaption(int index, const QString& caption) {
    MultiButton1->Buttons()[index].SetCaption(caption);
}

void TMainForm1::SetCounterLabel(const QString& text) {
    dxfLabel13->SetCaption(text);
}

TColor TMainForm1::BoardGradientColor() const {
    return MultiButton1->FillObject().Gradient().Color();
}

void TMainForm1::SetBoardGradientColor(TColor color) {
    MultiButton1->FillObject().Gradient().SetColor(color);
}

DrawingMode TMainForm1::CurrentDrawingMode() const {
    const TShineSpeedButton* const modeButtons[] = {SpeedButton1, SpeedButton2, SpeedButton3,
                                                    SpeedButton4, SpeedButton5, SpeedButton0};
    for (int i = 0; i < 6; ++i) {
        if (modeButtons[i]->Down()) return static_cast<DrawingMode>(i);
    }
    return DrawingMode::FullCycle;
}

void TMainForm1::PlaySound(const QString& fileName) {
    if (ShineSpeedButton2->Down()) playSound(fileName);
}

void TMainForm1::SetPulseMark(int paletteLabel) {
    dxfLabel(paletteLabel)->SetTag(1);
}

// --- Board editing ----------------------------------------------------------------------------------------

void TMainForm1::MultiButton1ButtonClick(TMxButtonPanel*, TMxSpeedButton*, int Btn) {
    recordBoardChange([&] { ClickCell(*this, Btn); });
}

void TMainForm1::SpeedButton1Click() {
    PlaySound(kClickSound);
}

void TMainForm1::paletteLabelClick(int k) {
    PlaySound(GlyphSound(static_cast<Glyph>(k)));
    bool& direction = m_directions.at(static_cast<std::size_t>(k - 1));
    direction = !direction;
}

void TMainForm1::setBoardGradientStyle(TMxGradientStyle style) {
    MultiButton1->FillObject().Gradient().SetStyle(style);
}

void TMainForm1::ColorButton4Click() {
    setBoardGradientStyle(TMxGradientStyle::gstHorizontal);
}
void TMainForm1::dxfColorButton5Click() {
    setBoardGradientStyle(TMxGradientStyle::gstVertical);
}
void TMainForm1::ColorButton5Click() {
    setBoardGradientStyle(TMxGradientStyle::gstSquare);
}
void TMainForm1::ColorButton3Click() {
    setBoardGradientStyle(TMxGradientStyle::gstElliptic);
}
void TMainForm1::dxfColorButton1Click() {
    setBoardGradientStyle(TMxGradientStyle::gstTopLeft);
}
void TMainForm1::ColorButton8Click() {
    setBoardGradientStyle(TMxGradientStyle::gstTopRight);
}
void TMainForm1::ColorButton1Click() {
    setBoardGradientStyle(TMxGradientStyle::gstBottomLeft);
}
void TMainForm1::ColorButton2Click() {
    setBoardGradientStyle(TMxGradientStyle::gstBottomRight);
}
void TMainForm1::ColorButton7Click() {
    setBoardGradientStyle(TMxGradientStyle::gstTopLeftDiagonal);
}
void TMainForm1::ColorButton9Click() {
    setBoardGradientStyle(TMxGradientStyle::gstTopRightDiagonal);
}

// Spin, shrink, grow, each label completely before the next. The label ignores angles outside 0 … 360, so
// a label at 0 turning backwards keeps 0 at the first step and is then set to 360.
void TMainForm1::Timer1Timer() {
    for (int k = 1; k <= kPaletteSize; ++k) {
        TdxfLabel& label = *dxfLabel(k);
        if (!Direction(k)) {
            label.SetAngle(label.Angle() + 10);
            if (label.Angle() >= 360) label.SetAngle(0);
        } else {
            label.SetAngle(label.Angle() - 10);
            if (label.Angle() <= 0) label.SetAngle(360);
        }
        ::Font& font = label.Font();
        if (label.Tag() == 1) {
            font.SetSize(font.Size() - 20);
            if (font.Size() <= 10) label.SetTag(0);
        }
        if (label.Tag() == 0 && font.Size() < 100) font.SetSize(font.Size() + 10);
    }
}

// --- Board file and views -------------------------------------------------------------------------------

void TMainForm1::SpeedButton8Click() {
    PlaySound(kClickSound);
    if (!CurrentDialogs().Confirm(QStringLiteral("確認"),
                                  QStringLiteral("編集中の内容がクリアされます。よろしいですか？"))) {
        return;
    }
    recordBoardChange([this] { NewBoard(*this); });
}

void TMainForm1::SpeedButton10Click() {
    PlaySound(kClickSound);
    if (!OpenDialog1.Execute()) return;
    recordBoardChange([this] { ReadBoardFile(*this, OpenDialog1.FileName()); });
}

void TMainForm1::SpeedButton9Click() {
    PlaySound(kClickSound);
    if (!SaveDialog1.Execute()) return;
    SaveBoardFile(*this, SaveDialog1.FileName());
}

void TMainForm1::SpeedButton6Click() {
    PlaySound(kClickSound);
    if (!SpeedButton6->Down()) {
        if (Memo1) Memo1->hide();
        return;
    }
    if (!Memo1) CreateMainForm1TextView(*this);
    Memo1->SetLines(BoardTextLines(*this));
    Memo1->show();
}

void TMainForm1::SpeedButton7Click() {
    PlaySound(kClickSound);
    MultiButton1->SetButtonStyle(SpeedButton7->Down() ? TMxUserButtonStyle::ubsAutoDetect
                                                      : TMxUserButtonStyle::ubsExplorer);
}

// --- Window commands ------------------------------------------------------------------------------------

void TMainForm1::ShineSpeedButton1Click() {
    PlaySound(kClickSound);
    ColorDialog1.SetColor(BoardGradientColor());
    if (ColorDialog1.Execute()) SetBoardGradientColor(ColorDialog1.Color());
}

void TMainForm1::ShineSpeedButton3Click() {
    PlaySound(kClickSound);
    shellOpen(InfoAddress());
}

void TMainForm1::ColorButton11Click() {
    close();
}

void TMainForm1::ColorButton12Click() {
    showMinimized();
}

void TMainForm1::ColorButton13Click() {
    shellOpen(m_programDirectory + QStringLiteral("/Readme.txt"));
}

// --- Moving the window ------------------------------------------------------------------------------------

void TMainForm1::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    // The window manager moves the window where it can; elsewhere the form follows the pointer itself.
    m_windowManagerMoves = windowHandle() != nullptr && StartWindowMove(*windowHandle());
    if (!m_windowManagerMoves) m_dragOffset = e->globalPosition().toPoint() - pos();
}

void TMainForm1::mouseMoveEvent(QMouseEvent* e) {
    if (m_dragOffset && (e->buttons() & Qt::LeftButton)) move(e->globalPosition().toPoint() - *m_dragOffset);
}

void TMainForm1::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    // A window manager that has taken the move receives the release itself; one that reaches the form came
    // before the window manager took the pointer, and would leave it carrying the window along.
    if (std::exchange(m_windowManagerMoves, false) && windowHandle() != nullptr)
        CancelWindowMove(*windowHandle());
    m_dragOffset.reset();
}

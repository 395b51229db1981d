#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/boardhistory.h"
#include "app/boardhost.h"
#include "app/strokes.h"
#include "platform/colordialog.h"
#include "platform/filedialog.h"

class BoardCursor;
class TAppHint;
class TBevel;
class TGradBox;
class TMemo;
class TMxButtonPanel;
class TMxSpeedButton;
class TPanel;
class TShape;
class TShineSpeedButton;
class TdxfColorButton;
class TdxfLabel;
enum class TMxGradientStyle;

// The one main window: a borderless form that holds every control of the program and runs every handler.
// The board rules work on it through BoardHost; the form itself keeps no board logic. The controls are
// created by the stored layout (mainwindow1layout) and named as it names them.
class TMainForm1 : public QWidget, public BoardHost {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 632;
    static constexpr int kClientHeight = 446;
    static constexpr int kPaletteSize = 11;

    // Builds the stored layout and the start state; the command line is read by FormCreate.
    explicit TMainForm1(QWidget* parent = nullptr);

    // Loads the board files named in arguments (the program's own name excluded).
    void FormCreate(const QStringList& arguments);

    // The palette label dxfLabel<k>, k = 1 … 11.
    TdxfLabel* dxfLabel(int k) const { return PaletteLabels.at(static_cast<std::size_t>(k - 1)); }
    // The spin direction of dxfLabel<k>: false grows the angle each tick, true shrinks it.
    bool Direction(int k) const { return m_directions.at(static_cast<std::size_t>(k - 1)); }
    // "http://" + the information host + "/info.php?pf=w&sn=" + the program's base name.
    static QString InfoAddress();

    // BoardHost
    QString CellCaption(int index) const override;
    void SetCellCaption(int index, const QString& caption) override;
    std::int32_t ClickCounter() const override { return m_clickCounter; }
    void SetClickCounter(std::int32_t value) override { m_clickCounter = value; }
    void SetCounterLabel(const QString& text) override;
    TColor BoardGradientColor() const override;
    void SetBoardGradientColor(TColor color) override;
    DrawingMode CurrentDrawingMode() const override;
    void PlaySound(const QString& fileName) override;
    void SetPulseMark(int paletteLabel) override;
    void SetOpenDialogFileName(const QString& fileName) override { OpenDialog1.SetFileName(fileName); }

    // Handlers, each named after its control and event.
    void MultiButton1ButtonClick(TMxButtonPanel* Sender, TMxSpeedButton* SendBtn, int Btn);
    void SpeedButton1Click();
    void dxfLabel1Click() { paletteLabelClick(1); }
    void dxfLabel2Click() { paletteLabelClick(2); }
    void dxfLabel3Click() { paletteLabelClick(3); }
    void dxfLabel4Click() { paletteLabelClick(4); }
    void dxfLabel5Click() { paletteLabelClick(5); }
    void dxfLabel6Click() { paletteLabelClick(6); }
    void dxfLabel7Click() { paletteLabelClick(7); }
    void dxfLabel8Click() { paletteLabelClick(8); }
    void dxfLabel9Click() { paletteLabelClick(9); }
    void dxfLabel10Click() { paletteLabelClick(10); }
    void dxfLabel11Click() { paletteLabelClick(11); }
    void ColorButton4Click();
    void dxfColorButton5Click();
    void ColorButton5Click();
    void ColorButton3Click();
    void dxfColorButton1Click();
    void ColorButton8Click();
    void ColorButton1Click();
    void ColorButton2Click();
    void ColorButton7Click();
    void ColorButton9Click();
    void Timer1Timer();
    void SpeedButton8Click();
    void SpeedButton10Click();
    void SpeedButton9Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void ShineSpeedButton1Click();
    void ShineSpeedButton3Click();
    void ColorButton11Click();
    void ColorButton12Click();
    void ColorButton13Click();

    // The controls, back to front.
    TGradBox* GradBox1 = nullptr;
    TBevel* Bevel1 = nullptr;
    TGradBox* GradBox2 = nullptr;
    TdxfLabel* dxfLabel0 = nullptr;
    TdxfLabel* dxfLabel12 = nullptr;
    TdxfLabel* dxfLabel13 = nullptr;
    TMxButtonPanel* MultiButton1 = nullptr;
    TdxfColorButton* ColorButton1 = nullptr;
    TdxfColorButton* ColorButton2 = nullptr;
    TdxfColorButton* ColorButton3 = nullptr;
    TdxfColorButton* ColorButton4 = nullptr;
    TdxfColorButton* ColorButton5 = nullptr;
    TdxfColorButton* dxfColorButton1 = nullptr;
    TdxfColorButton* ColorButton7 = nullptr;
    TdxfColorButton* ColorButton8 = nullptr;
    TdxfColorButton* ColorButton9 = nullptr;
    TdxfColorButton* dxfColorButton5 = nullptr;
    TPanel* Panel1 = nullptr;
    TShape* Shape1 = nullptr;
    TShineSpeedButton* SpeedButton1 = nullptr;
    TShineSpeedButton* SpeedButton2 = nullptr;
    TShineSpeedButton* SpeedButton3 = nullptr;
    TShineSpeedButton* SpeedButton4 = nullptr;
    TShineSpeedButton* SpeedButton5 = nullptr;
    TShineSpeedButton* SpeedButton0 = nullptr;
    TPanel* Panel2 = nullptr;
    TShape* Shape2 = nullptr;
    TShineSpeedButton* SpeedButton6 = nullptr;
    TShineSpeedButton* SpeedButton7 = nullptr;
    TPanel* Panel3 = nullptr;
    std::array<TdxfLabel*, kPaletteSize> PaletteLabels{};
    TdxfColorButton* ColorButton11 = nullptr;
    TdxfColorButton* ColorButton12 = nullptr;
    TdxfColorButton* ColorButton13 = nullptr;
    TMemo* Memo1 = nullptr;  // made on its first showing
    TPanel* Panel4 = nullptr;
    TShape* Shape3 = nullptr;
    TShineSpeedButton* SpeedButton8 = nullptr;
    TShineSpeedButton* SpeedButton10 = nullptr;
    TShineSpeedButton* SpeedButton9 = nullptr;
    TShineSpeedButton* ShineSpeedButton1 = nullptr;
    TShineSpeedButton* ShineSpeedButton2 = nullptr;
    TShineSpeedButton* ShineSpeedButton3 = nullptr;
    TFileDialog OpenDialog1{TFileDialog::Kind::Open};
    TFileDialog SaveDialog1{TFileDialog::Kind::Save};
    TColorDialog ColorDialog1;
    QTimer Timer1;
    TAppHint* AppHint1 = nullptr;

protected:
    // A left press on the form's own surface moves the window, as a title bar would.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void paletteLabelClick(int k);
    void setBoardGradientStyle(TMxGradientStyle style);

    // The board's keys (mainwindow1keys.cpp): undo, redo, copy and paste of the whole board, the file and
    // help buttons' keys, the repair of the junctions, and the cell cursor with its clicks and lines; and the
    // board's Shift drags, which draw strokes and boxes.
    void createBoardKeys();
    bool textViewHasKeys() const;
    // Whether the key was one of the cell cursor's.
    bool cursorKey(const QKeyEvent& e);
    // A Shift+arrow's line from cell from into its neighbour to.
    void drawKeyLine(int from, int to);
    // Runs change and keeps the cells it changed as one undo step.
    void recordBoardChange(const std::function<void()>& change);
    // Keeps the cells changed since the board was pressBoard (a board string) as one undo step.
    void recordBoardChangeSince(const QString& pressBoard);
    void undoBoard();
    void redoBoard();
    void copyBoard();
    void pasteBoard();
    void joinBoard();

    std::array<bool, kPaletteSize> m_directions{};
    std::int32_t m_clickCounter = 0;
    QString m_programDirectory;
    BoardHistory m_history;
    BoardCursor* m_cursor = nullptr;
    // The line the Shift+arrows draw: its stroke, mode, the board at its start, its end cell and the board
    // after its last key.
    struct KeyLine {
        Stroke stroke;
        DrawingMode mode;
        QString start;
        int end;
        QString board;
    };
    std::optional<KeyLine> m_keyLine;
    // Where the pointer grabbed the window, while a move runs without the window manager's help.
    std::optional<QPoint> m_dragOffset;
    bool m_windowManagerMoves = false;  // the window manager was asked to move the window at this press
};

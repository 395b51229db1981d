#include "app/mainwindow1layout.h"

#include <QRect>

#include "app/boardpanel.h"
#include "app/layoutfont.h"
#include "app/mainwindow1.h"
#include "app/palettelabel.h"
#include "platform/bevel.h"
#include "platform/cursor.h"
#include "platform/graphichost.h"
#include "platform/memo.h"
#include "platform/panel.h"
#include "platform/shape.h"
#include "widgets/dxfcolorbutton.h"
#include "widgets/dxflabel.h"
#include "widgets/gradbox.h"
#include "widgets/newhint.h"
#include "widgets/shinespdbtn.h"

namespace {

using Handler = void (TMainForm1::*)();

const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kGothic = QStringLiteral("ＭＳ ゴシック");
constexpr FontStyles kBold{FontStyle::Bold};

template <class Control>
Control* place(QWidget* parent, const char* name, const QRect& bounds) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(bounds);
    return control;
}

// A plain panel with a white, black-framed shape of its full size behind its buttons.
TPanel* framedPanel(TMainForm1& form, const char* panelName, const char* shapeName, const QRect& bounds,
                    TShape*& shape) {
    TPanel* panel = place<TPanel>(&form, panelName, bounds);
    shape = place<TShape>(panel, shapeName, QRect(QPoint(0, 0), bounds.size()));
    shape->SetPen({clBlack, 1, PenStyle::Solid});
    shape->SetBrush({clWhite, BrushStyle::Solid});
    return panel;
}

// --- Background: gradient boxes, bevel, title and counter labels -------------------------------------

struct GradBoxRow {
    TGradBox* TMainForm1::*field;
    const char* name;
    QRect bounds;
    TColor topColor;
    TColor lastColor;
};

// clang-format off
const GradBoxRow kGradBoxes[] = {
    {&TMainForm1::GradBox1, "GradBox1", {0, 0, 610, 446}, clLime, clWhite},
    {&TMainForm1::GradBox2, "GradBox2", {610, 0, 22, 446}, clYellow, clLime},
};
// clang-format on

void createGradBox(TMainForm1& form, const GradBoxRow& row) {
    TGradBox* box = place<TGradBox>(&form, row.name, row.bounds);
    box->SetTopColor(row.topColor);
    box->SetLastColor(row.lastColor);
    box->SetGradStyle(TGradStyle::gsBottomTop);
    box->SetDrawOutLine(true);
    box->SetFont3D(false);
    form.*row.field = box;
}

struct TitleLabelRow {
    TdxfLabel* TMainForm1::*field;
    const char* name;
    QRect bounds;
    const char* caption;
    int angle;
    FontStyles style;
    TdxfOrientation orientation;
};

// clang-format off
const TitleLabelRow kTitleLabels[] = {
    {&TMainForm1::dxfLabel0, "dxfLabel0", {615, 6, 14, 180}, "Orvane - ポルポルMoxel!", 270, kBold,
     TdxfOrientation::dxfLeftBottom},
    {&TMainForm1::dxfLabel12, "dxfLabel12", {442, 356, 60, 20}, "チマチマ数", 356, {},
     TdxfOrientation::dxfRightBottom},
    {&TMainForm1::dxfLabel13, "dxfLabel13", {502, 363, 40, 15}, "0", 356, kBold,
     TdxfOrientation::dxfRightBottom},
};
// clang-format on

void createTitleLabel(TMainForm1& form, const TitleLabelRow& row) {
    TdxfLabel* label = place<TdxfLabel>(&form, row.name, row.bounds);
    label->SetFont(LayoutFont(kPGothic, -13, clWhite, row.style));
    label->SetTransparent(true);
    label->SetCaption(QString::fromUtf8(row.caption));
    label->SetAngle(row.angle);
    label->Effect3D().SetStyle(TdxfEffectStyle::dxfExtrude);
    label->Effect3D().SetOrientation(row.orientation);
    label->Effect3D().SetDepth(1);
    label->Effect3D().SetShadowedColor(clGray);
    form.*row.field = label;
}

void createBackground(TMainForm1& form) {
    // The windowless controls laid straight on the form take no mouse input: a press there moves the window.
    GraphicHost::Of(form).SetDragSurface(true);
    createGradBox(form, kGradBoxes[0]);
    form.Bevel1 = place<TBevel>(&form, "Bevel1", {6, 56, 597, 333});
    createGradBox(form, kGradBoxes[1]);
    for (const TitleLabelRow& row : kTitleLabels) createTitleLabel(form, row);
}

// --- The board ------------------------------------------------------------------------------------------

void createBoard(TMainForm1& form) {
    form.MultiButton1 =
        CreateBoardPanel(&form, [&form](TMxButtonPanel* sender, TMxSpeedButton* button, int index) {
            form.MultiButton1ButtonClick(sender, button, index);
        });
}

// --- Style beads around the board -----------------------------------------------------------------------

struct StyleBeadRow {
    TdxfColorButton* TMainForm1::*field;
    const char* name;
    QPoint position;
    Handler onClick;
};

// clang-format off
const StyleBeadRow kStyleBeads[] = {
    {&TMainForm1::ColorButton1, "ColorButton1", {34, 352}, &TMainForm1::ColorButton1Click},
    {&TMainForm1::ColorButton2, "ColorButton2", {564, 352}, &TMainForm1::ColorButton2Click},
    {&TMainForm1::ColorButton3, "ColorButton3", {280, 360}, &TMainForm1::ColorButton3Click},
    {&TMainForm1::ColorButton4, "ColorButton4", {20, 208}, &TMainForm1::ColorButton4Click},
    {&TMainForm1::ColorButton5, "ColorButton5", {316, 360}, &TMainForm1::ColorButton5Click},
    {&TMainForm1::dxfColorButton1, "dxfColorButton1", {34, 64}, &TMainForm1::dxfColorButton1Click},
    {&TMainForm1::ColorButton7, "ColorButton7", {20, 80}, &TMainForm1::ColorButton7Click},
    {&TMainForm1::ColorButton8, "ColorButton8", {564, 64}, &TMainForm1::ColorButton8Click},
    {&TMainForm1::ColorButton9, "ColorButton9", {578, 84}, &TMainForm1::ColorButton9Click},
    {&TMainForm1::dxfColorButton5, "dxfColorButton5", {298, 64}, &TMainForm1::dxfColorButton5Click},
};
// clang-format on

void createStyleBeads(TMainForm1& form) {
    for (const StyleBeadRow& row : kStyleBeads) {
        auto* bead = place<TdxfColorButton>(&form, row.name, QRect(row.position, QSize(12, 12)));
        bead->SetColor(clLime);
        bead->SetCursor(crHandPoint);
        bead->SetGroupIndex(9);
        bead->SetOnClick([&form, handler = row.onClick] { (form.*handler)(); });
        form.*row.field = bead;
    }
}

// --- Glossy buttons: the mode panel, the text and grid panel, the command panel -------------------------

struct ShineButtonRow {
    TShineSpeedButton* TMainForm1::*field;
    const char* name;
    QRect bounds;
    const char* caption;
    const char* hint;
    Handler onClick;
    int groupIndex;
    bool allowAllUp;
    bool down;
};

// Only the mode buttons' colours are stored; every glossy button of the window shares them, so that they
// all look alike: lime into yellow, pressed light green into light yellow.
void applyGlossyColors(TShineSpeedButton& button) {
    button.Colors().SetColor(clLime);
    button.Colors().SetGradColor(clYellow);
    button.Colors().SetGradation(true);
    button.Colors().SetGradVertical(true);
    button.PressedColors().SetColor(clPaleGreen);
    button.PressedColors().SetGradColor(clPaleYellow);
    button.PressedColors().SetGradation(true);
    button.PressedColors().SetGradVertical(true);
}

TShineSpeedButton* createShineButton(TMainForm1& form, QWidget* panel, const ShineButtonRow& row,
                                     const ::Font& font) {
    auto* button = place<TShineSpeedButton>(panel, row.name, row.bounds);
    applyGlossyColors(*button);
    button->SetFont(font);
    button->SetActiveFont(font);
    button->SetCaption(QString::fromUtf8(row.caption));
    button->SetHint(QString::fromUtf8(row.hint));
    // The group comes before Down, so a button stored as down releases the rest of its group.
    button->SetGroupIndex(row.groupIndex);
    button->SetAllowAllUp(row.allowAllUp);
    button->SetDown(row.down);
    button->SetOnClick([&form, handler = row.onClick] { (form.*handler)(); });
    form.*row.field = button;
    return button;
}

// clang-format off
const ShineButtonRow kModeButtons[] = {
    {&TMainForm1::SpeedButton1, "SpeedButton1", {1, 1, 316, 20}, "┏ ┓ ┗ ┛ ┃ ┣ ┫ ━ ┳ ┻ ╋",
     " ┏ → ┓ → ┗ → ┛ → ┃ → ┣ → ┫ → ━ → ┳ → ┻ → ╋ → □", &TMainForm1::SpeedButton1Click, 1, false, true},
    {&TMainForm1::SpeedButton2, "SpeedButton2", {1, 21, 70, 20}, "┏ ┓ ┗ ┛", " ┏ → ┓ → ┗ → ┛ → □",
     &TMainForm1::SpeedButton1Click, 1, false, false},
    {&TMainForm1::SpeedButton3, "SpeedButton3", {70, 21, 70, 20}, "┃ ┣ ┫", " ┃ → ┣ → ┫ → □",
     &TMainForm1::SpeedButton1Click, 1, false, false},
    {&TMainForm1::SpeedButton4, "SpeedButton4", {139, 21, 70, 20}, "━ ┳ ┻", " ━ → ┳ → ┻ → □",
     &TMainForm1::SpeedButton1Click, 1, false, false},
    {&TMainForm1::SpeedButton5, "SpeedButton5", {208, 21, 70, 20}, "╋", " ╋ → □", &TMainForm1::SpeedButton1Click,
     1, false, false},
    {&TMainForm1::SpeedButton0, "SpeedButton0", {277, 21, 40, 20}, "□", " □", &TMainForm1::SpeedButton1Click, 1,
     false, false},
};
// clang-format on

void createModePanel(TMainForm1& form) {
    form.Panel1 = framedPanel(form, "Panel1", "Shape1", {8, 8, 318, 42}, form.Shape1);
    for (const ShineButtonRow& row : kModeButtons) {
        // The eraser's lone "□" is drawn larger than the other captions.
        const int height = row.field == &TMainForm1::SpeedButton0 ? -15 : -12;
        TShineSpeedButton* button =
            createShineButton(form, form.Panel1, row, LayoutFont(kPGothic, height, clBlack));
        // Hot or pressed, every mode button's caption is drawn at the usual size, the eraser's too.
        button->SetActiveFont(LayoutFont(kPGothic, -12, clBlack));
        button->SetCursor(crHandPoint);
        button->SetFontHighlight(clWhite);
        button->SetFontShadow(clGray);
    }
}

// clang-format off
const ShineButtonRow kViewButtons[] = {
    {&TMainForm1::SpeedButton6, "SpeedButton6", {1, 1, 125, 32}, "TextOut", " テキスト化",
     &TMainForm1::SpeedButton6Click, 2, true, false},
    {&TMainForm1::SpeedButton7, "SpeedButton7", {126, 1, 125, 32}, "GridLine", " グリッドライン",
     &TMainForm1::SpeedButton7Click, 3, true, false},
};
// clang-format on

void createViewPanel(TMainForm1& form) {
    form.Panel2 = framedPanel(form, "Panel2", "Shape2", {344, 14, 252, 34}, form.Shape2);
    for (const ShineButtonRow& row : kViewButtons) {
        createShineButton(form, form.Panel2, row, LayoutFont(kPGothic, -21, clBlack, kBold));
    }
}

// clang-format off
const ShineButtonRow kCommandButtons[] = {
    {&TMainForm1::SpeedButton8, "SpeedButton8", {1, 1, 58, 16}, "New", " 新規作成", &TMainForm1::SpeedButton8Click,
     0, false, false},
    {&TMainForm1::SpeedButton10, "SpeedButton10", {1, 17, 58, 16}, "Load", " 開く",
     &TMainForm1::SpeedButton10Click, 0, false, false},
    {&TMainForm1::SpeedButton9, "SpeedButton9", {1, 33, 58, 16}, "Save", " 保存", &TMainForm1::SpeedButton9Click,
     0, false, false},
    {&TMainForm1::ShineSpeedButton1, "ShineSpeedButton1", {59, 1, 58, 16}, "Color", " 色",
     &TMainForm1::ShineSpeedButton1Click, 0, false, false},
    {&TMainForm1::ShineSpeedButton2, "ShineSpeedButton2", {59, 17, 58, 16}, "Sound", " 音",
     &TMainForm1::SpeedButton1Click, 4, true, true},
    {&TMainForm1::ShineSpeedButton3, "ShineSpeedButton3", {59, 33, 58, 16}, "Info.", " インフォメーション",
     &TMainForm1::ShineSpeedButton3Click, 0, false, false},
};
// clang-format on

void createCommandPanel(TMainForm1& form) {
    form.Panel4 = framedPanel(form, "Panel4", "Shape3", {16, 392, 118, 50}, form.Shape3);
    for (const ShineButtonRow& row : kCommandButtons) {
        createShineButton(form, form.Panel4, row, LayoutFont(kPGothic, -12, clBlack, kBold));
    }
}

// --- The palette: eleven spinning glyph labels on a silver panel ---------------------------------------

// clang-format off
const Handler kPaletteClicks[TMainForm1::kPaletteSize] = {
    &TMainForm1::dxfLabel1Click, &TMainForm1::dxfLabel2Click,  &TMainForm1::dxfLabel3Click,
    &TMainForm1::dxfLabel4Click, &TMainForm1::dxfLabel5Click,  &TMainForm1::dxfLabel6Click,
    &TMainForm1::dxfLabel7Click, &TMainForm1::dxfLabel8Click,  &TMainForm1::dxfLabel9Click,
    &TMainForm1::dxfLabel10Click, &TMainForm1::dxfLabel11Click,
};
// clang-format on

void createPalette(TMainForm1& form) {
    form.Panel3 = place<TPanel>(&form, "Panel3", {146, 396, 452, 42});
    form.Panel3->SetColor(clSilver);
    for (int k = 1; k <= TMainForm1::kPaletteSize; ++k) {
        const QByteArray name = "dxfLabel" + QByteArray::number(k);
        auto* label = place<TdxfLabel>(form.Panel3, name.constData(), {1 + 41 * (k - 1), 1, 40, 40});
        SetUpPaletteLabel(*label, k);
        label->SetCursor(crHelp);
        label->SetOnClick([&form, handler = kPaletteClicks[k - 1]](TdxfLabel*) { (form.*handler)(); });
        form.PaletteLabels.at(static_cast<std::size_t>(k - 1)) = label;
    }
}

// --- Title beads: close, minimize, help -----------------------------------------------------------------

struct TitleBeadRow {
    TdxfColorButton* TMainForm1::*field;
    const char* name;
    int top;
    const char* caption;
    Handler onClick;
};

// clang-format off
const TitleBeadRow kTitleBeads[] = {
    {&TMainForm1::ColorButton11, "ColorButton11", 426, "×", &TMainForm1::ColorButton11Click},
    {&TMainForm1::ColorButton12, "ColorButton12", 406, "＿", &TMainForm1::ColorButton12Click},
    {&TMainForm1::ColorButton13, "ColorButton13", 386, "？", &TMainForm1::ColorButton13Click},
};
// clang-format on

void createTitleBeads(TMainForm1& form) {
    for (const TitleBeadRow& row : kTitleBeads) {
        auto* bead = place<TdxfColorButton>(&form, row.name, {613, row.top, 16, 16});
        bead->SetColor(clLime);
        bead->SetFont(LayoutFont(kPGothic, -12, clGreen, kBold));
        bead->SetCaption({QString::fromUtf8(row.caption)});
        bead->SetCursor(crHandPoint);
        bead->SetOnClick([&form, handler = row.onClick] { (form.*handler)(); });
        form.*row.field = bead;
    }
}

// --- Components: dialogs, timer, hints ------------------------------------------------------------------

void createDialogs(TMainForm1& form) {
    const QString filter = QStringLiteral("Moxelファイル (*.qvx)");
    form.OpenDialog1.SetTitle(QStringLiteral("開く"));
    form.OpenDialog1.SetFilter(filter);
    form.OpenDialog1.SetDefaultExt(QStringLiteral("qvx"));
    form.SaveDialog1.SetTitle(QStringLiteral("保存"));
    form.SaveDialog1.SetFilter(filter);
    form.SaveDialog1.SetDefaultExt(QStringLiteral("qvx"));
    form.ColorDialog1.SetColor(clPaleYellow);
}

void createTimer(TMainForm1& form) {
    form.Timer1.setInterval(70);
    QObject::connect(&form.Timer1, &QTimer::timeout, &form, &TMainForm1::Timer1Timer);
    form.Timer1.start();
}

void createAppHint(TMainForm1& form) {
    form.AppHint1 = new TAppHint(&form);
    form.AppHint1->setObjectName(QStringLiteral("AppHint1"));
    form.AppHint1->SetBGColor(clBlack);
    form.AppHint1->SetBrush({clLime, BrushStyle::Solid});
    form.AppHint1->SetFont(LayoutFont(kPGothic, -16, clWhite));
    form.AppHint1->SetHintPause(500);
    form.AppHint1->SetHintHidePause(2500);
    form.AppHint1->SetHintShortPause(0);
    form.AppHint1->SetHintStyle(THintStyle::hsRoundRect);
    form.AppHint1->SetPen({clWhite, 1, PenStyle::Solid});
    form.AppHint1->SetShadowColor(clGray);
    form.AppHint1->SetShadowVisible(true);
    form.AppHint1->Loaded();
}

}  // namespace

void CreateMainForm1Layout(TMainForm1& form) {
    createBackground(form);
    createBoard(form);
    createStyleBeads(form);
    createModePanel(form);
    createViewPanel(form);
    createPalette(form);
    createTitleBeads(form);
    createCommandPanel(form);
    createDialogs(form);
    createTimer(form);
    createAppHint(form);
}

void CreateMainForm1TextView(TMainForm1& form) {
    // Nothing overlaps the board's area but the text view, so being made last keeps the stacking.
    form.Memo1 = place<TMemo>(&form, "Memo1", {37, 82, 546, 272});
    form.Memo1->SetFont(LayoutFont(kGothic, -17, clWindowText));
    form.Memo1->hide();
}

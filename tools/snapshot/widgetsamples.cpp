#include "widgetsamples.h"

#include <QPainter>
#include <vector>

#include "widgets/dxfcolorbutton.h"
#include "widgets/gradbox.h"
#include "widgets/shinespdbtn.h"

namespace {

std::unique_ptr<QWidget> whiteHost(int w, int h) {
    auto host = std::make_unique<QWidget>();
    host->resize(w, h);
    QPalette pal = host->palette();
    pal.setColor(QPalette::Window, Qt::white);
    host->setPalette(pal);
    host->setAutoFillBackground(true);
    return host;
}

// A 16 x 16 glyph on an olive key: a dark frame round a red square with a blue bar.
QImage sampleGlyph() {
    QImage g(16, 16, QImage::Format_RGB32);
    g.fill(QColor(0x80, 0x80, 0x00));
    QPainter p(&g);
    p.fillRect(3, 3, 10, 10, QColor(0, 0, 0));
    p.fillRect(4, 4, 8, 8, QColor(255, 0, 0));
    p.fillRect(6, 7, 4, 2, QColor(0, 0, 255));
    return g;
}

// A mode button as the main window has it: lime to yellow, pressed light green to light yellow.
void styleModeButton(TShineSpeedButton& b, const QString& caption) {
    b.Colors().SetColor(clLime);
    b.Colors().SetGradColor(clYellow);
    b.Colors().SetGradation(true);
    b.Colors().SetGradVertical(true);
    b.PressedColors().SetColor(TColor(8454016));
    b.PressedColors().SetGradColor(TColor(8454143));
    b.PressedColors().SetGradation(true);
    b.PressedColors().SetGradVertical(true);
    for (::Font* f : {&b.Font(), &b.ActiveFont()}) {
        f->SetName(QStringLiteral("ＭＳ Ｐゴシック"));
        f->SetCharset(SHIFTJIS_CHARSET);
        f->SetColor(clBlack);
        f->SetHeight(-12);
    }
    b.SetFontHighlight(clWhite);
    b.SetFontShadow(clGray);
    b.SetCaption(caption);
}

void putInState(TShineSpeedButton& b, TShineDrawState state) {
    using enum TShineDrawState;
    if (state == sdDown || state == sdDownHot) {
        b.SetGroupIndex(1);
        b.SetDown(true);
    }
    if (state == sdHot || state == sdDownHot) b.MouseEnter({}, 0, 0);
    if (state == sdDisabled) b.SetEnabled(false);
}

constexpr TShineDrawState kStates[] = {TShineDrawState::sdUp, TShineDrawState::sdHot, TShineDrawState::sdDown,
                                       TShineDrawState::sdDownHot, TShineDrawState::sdDisabled};

// Rows: the three frame kinds with a caption, then a glyph with caption; columns: up, hot, down, down-hot,
// disabled. Each button sits in a parent of its own so that the down ones do not release each other.
std::unique_ptr<QWidget> shineStates() {
    auto host = whiteHost(5 * 64 + 4, 5 * 30 + 4);
    const TFrameType frames[] = {TFrameType::ftFlatFrame, TFrameType::ftNormalFrame,
                                 TFrameType::ftEnclosedFrame};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            auto* cell = new QWidget(host.get());
            cell->setGeometry(4 + col * 64, 4 + row * 30, 60, 26);
            auto* b = new TShineSpeedButton(cell);
            b->setGeometry(0, 0, row == 3 ? 60 : 58, row == 3 ? 26 : 16);
            styleModeButton(*b, row == 3 ? QStringLiteral("Glyph") : QStringLiteral("Sound"));
            b->SetFrameType(frames[row % 3]);
            if (row == 3) b->SetGlyph(sampleGlyph());
            putInState(*b, kStates[col]);
        }
    }
    auto* mode = new QWidget(host.get());
    mode->setGeometry(4, 4 + 4 * 30, 5 * 64, 26);
    const char* captions[] = {"┏ ┓ ┗ ┛ ┃ ┣ ┫ ━ ┳ ┻ ╋", "□"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new TShineSpeedButton(mode);
        b->setGeometry(i == 0 ? 0 : 180, 0, i == 0 ? 170 : 40, 20);
        styleModeButton(*b, QString::fromUtf8(captions[i]));
        b->SetGroupIndex(1);
        if (i == 0) b->SetDown(true);
    }
    return host;
}

// Top row: the eight hot glyph effects; bottom row: the five disabled ones.
std::unique_ptr<QWidget> shineGlyphs() {
    auto host = whiteHost(8 * 30 + 4, 2 * 30 + 4);
    for (int i = 0; i < 8; ++i) {
        auto* b = new TShineSpeedButton(host.get());
        b->setGeometry(4 + i * 30, 4, 26, 26);
        b->SetGlyph(sampleGlyph());
        b->SetShineColor(clYellow);
        b->SetActiveImage(static_cast<TActiveImageType>(i));
        b->MouseEnter({}, 0, 0);
    }
    for (int i = 0; i < 5; ++i) {
        auto* b = new TShineSpeedButton(host.get());
        b->setGeometry(4 + i * 30, 34, 26, 26);
        b->SetGlyph(sampleGlyph());
        b->SetDisabledImage(static_cast<TDisabledImageType>(i));
        b->SetEnabled(false);
    }
    return host;
}

TdxfColorButton* bead(QWidget* parent, int x, int y, int size, const char* caption) {
    auto* b = new TdxfColorButton(parent);
    b->setGeometry(x, y, size, size);
    b->SetColor(clLime);
    if (caption) {
        b->SetCaption({QString::fromUtf8(caption)});
        b->Font().SetHeight(-12);
        b->Font().SetStyle({FontStyle::Bold});
        b->Font().SetColor(clGreen);
    }
    return b;
}

// Rows: 12 x 12 group beads, then the three 16 x 16 title buttons; columns: up, down, disabled.
std::unique_ptr<QWidget> beads() {
    auto host = whiteHost(3 * 24 + 8, 4 * 24 + 8);
    const std::vector<std::pair<int, const char*>> rows = {{12, nullptr}, {16, "×"}, {16, "＿"}, {16, "？"}};
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < 3; ++c) {
            auto* cell = new QWidget(host.get());
            cell->setGeometry(4 + c * 24, 4 + r * 24, 20, 20);
            TdxfColorButton* b = bead(cell, 2, 2, rows[r].first, rows[r].second);
            b->SetGroupIndex(9);
            if (c == 1) b->SetDown(true);
            if (c == 2) b->SetEnabled(false);
        }
    }
    return host;
}

// The main window's two background boxes side by side.
std::unique_ptr<QWidget> gradBoxes() {
    auto host = whiteHost(632, 446);
    auto* box1 = new TGradBox(host.get());
    box1->setGeometry(0, 0, 610, 446);
    box1->SetTopColor(clLime);
    box1->SetLastColor(clWhite);
    box1->SetGradStyle(TGradStyle::gsBottomTop);
    box1->SetDrawOutLine(true);
    auto* box2 = new TGradBox(host.get());
    box2->setGeometry(610, 0, 22, 446);
    box2->SetTopColor(clYellow);
    box2->SetGradStyle(TGradStyle::gsBottomTop);
    box2->SetDrawOutLine(true);
    return host;
}

// Captions of every relief, then a disabled one, on the four directions and gsNone.
std::unique_ptr<QWidget> gradCaptions() {
    auto host = whiteHost(5 * 124 + 4, 2 * 64 + 4);
    for (int i = 0; i < 10; ++i) {
        auto* box = new TGradBox(host.get());
        box->setGeometry(4 + (i % 5) * 124, 4 + (i / 5) * 64, 120, 60);
        box->SetGradStyle(static_cast<TGradStyle>(i % 5));
        box->SetDrawOutLine(true);
        box->SetCaptionLeft(6);
        box->SetCaptionTop(6);
        box->Font().SetHeight(-16);
        box->Font().SetStyle({FontStyle::Bold});
        if (i < 4) {
            box->SetFont3D(true);
            box->SetFontDepth(3);
            box->SetStyle3D(static_cast<TFontStyle3D>(i));
        }
        if (i == 9) box->SetEnabled(false);
        box->SetCaption(i < 4 ? QStringLiteral("Relief %1").arg(i) : QStringLiteral("Caption"));
    }
    return host;
}

}  // namespace

std::map<QString, std::function<std::unique_ptr<QWidget>()>> WidgetSamples() {
    return {
        {"shine-states", shineStates}, {"shine-glyphs", shineGlyphs},   {"beads", beads},
        {"gradboxes", gradBoxes},      {"grad-captions", gradCaptions},
    };
}

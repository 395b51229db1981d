#include "labelsamples.h"

#include <QPainter>
#include <vector>

#include "app/palettelabel.h"
#include "widgets/dxflabel.h"
#include "widgets/newhint.h"

namespace {

constexpr int kScale = 5;

void configurePalette(TdxfLabel& label, int k) {
    label.resize(40, 40);
    SetUpPaletteLabel(label, k);
}

struct Cell {
    int k;
    int angle;
    int size;
    TdxfLabelStyle style = TdxfLabelStyle::dxfNormal;
    bool texture = false;
};

// A 4 x 4 checker of red and blue for texture fills.
QImage checker() {
    QImage image(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, (x / 2 + y / 2) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

// Cells of 40 x 40 labels in rows on silver, each scaled up, with a one-pixel silver gap as on the palette.
class LabelSheet : public QWidget {
public:
    LabelSheet(std::vector<Cell> cells, int perRow) : m_cells(std::move(cells)), m_perRow(perRow) {
        const int rows = (static_cast<int>(m_cells.size()) + perRow - 1) / perRow;
        resize((1 + 41 * perRow) * kScale, (1 + 41 * rows) * kScale);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter screen(this);
        screen.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
        for (std::size_t i = 0; i < m_cells.size(); ++i) {
            TdxfLabel label;
            configurePalette(label, m_cells[i].k);
            label.Font().SetSize(m_cells[i].size);
            label.SetAngle(m_cells[i].angle);
            label.SetStyle(m_cells[i].style);
            label.SetPenWidth(2);
            if (m_cells[i].texture) label.SetGlyph(checker());
            QImage face(40, 40, QImage::Format_RGB32);
            QPainter painter(&face);
            label.Paint(painter);
            painter.end();
            const int col = static_cast<int>(i) % m_perRow;
            const int row = static_cast<int>(i) / m_perRow;
            screen.drawImage(
                QRect((1 + 41 * col) * kScale, (1 + 41 * row) * kScale, 40 * kScale, 40 * kScale), face);
        }
    }

private:
    std::vector<Cell> m_cells;
    int m_perRow;
};

// A hint window's face over stripes, so that a face without background shows what lies below.
class HintSample : public QWidget {
public:
    explicit HintSample(int style) : m_appHint(this) {
        m_appHint.SetBrush({clLime, BrushStyle::Solid});
        m_appHint.Font().SetName(QStringLiteral("ＭＳ Ｐゴシック"));
        m_appHint.Font().SetCharset(SHIFTJIS_CHARSET);
        m_appHint.Font().SetHeight(-16);
        m_appHint.Font().SetColor(clWhite);
        m_appHint.SetPen({clWhite, 1, PenStyle::Solid});
        m_appHint.SetShadowColor(clGray);
        m_appHint.SetHintStyle(static_cast<THintStyle>(style));
        m_appHint.SetOnPaint([](const QString& hint, Canvas& canvas, int width, int height) {
            canvas.SetBrush({clNavy, BrushStyle::Solid});
            canvas.Ellipse(0, 0, width, height);
            canvas.SetBkMode(BackgroundMode::Transparent);
            canvas.Font().SetColor(clYellow);
            canvas.TextOut(8, 2, hint);
        });
        // The window takes the style it is made with.
        m_window = std::make_unique<THintEx>();
        m_window->ActivateHint(m_window->CalcHintRect(400, QStringLiteral(" 開く")), QStringLiteral(" 開く"));
        m_face = m_window->Render();
        m_window->hide();
        resize((m_face.width() + 20) * kScale, (m_face.height() + 20) * kScale);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter screen(this);
        screen.fillRect(rect(), QColor(0x20, 0x60, 0x20));
        for (int y = 0; y < height(); y += 2 * kScale)
            screen.fillRect(0, y, width(), kScale,
                            y % (4 * kScale) ? QColor(0x40, 0x40, 0x80) : QColor(0x80, 0x40, 0x40));
        screen.drawImage(QRect(10 * kScale, 10 * kScale, m_face.width() * kScale, m_face.height() * kScale),
                         m_face);
    }

private:
    TAppHint m_appHint;
    std::unique_ptr<THintEx> m_window;
    QImage m_face;
};

}  // namespace

std::unique_ptr<QWidget> makePaletteLabel(int k, int angle, int size) {
    return std::make_unique<LabelSheet>(std::vector<Cell>{{k, angle, size}}, 1);
}

std::unique_ptr<QWidget> makePaletteSweep() {
    std::vector<Cell> cells;
    for (int angle = 0; angle < 360; angle += 10) cells.push_back({1 + (angle / 10) % 11, angle, 100});
    for (const int size : {100, 80, 60, 40, 20, 10}) cells.push_back({1, 0, size});
    for (const int size : {100, 80, 60, 40, 20, 10}) cells.push_back({11, 130, size});
    return std::make_unique<LabelSheet>(std::move(cells), 6);
}

std::unique_ptr<QWidget> makeLabelStyles() {
    std::vector<Cell> cells;
    for (const bool texture : {false, true})
        for (const auto style : {TdxfLabelStyle::dxfNormal, TdxfLabelStyle::dxfRaised,
                                 TdxfLabelStyle::dxfLowered, TdxfLabelStyle::dxfOutLine})
            cells.push_back({6, 20, 30, style, texture});
    return std::make_unique<LabelSheet>(std::move(cells), 4);
}

std::unique_ptr<QWidget> makeTextLabels() {
    auto host = std::make_unique<QWidget>();
    host->resize(160, 200);
    host->setAutoFillBackground(true);
    QPalette palette = host->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0x90, 0x30));
    host->setPalette(palette);
    const auto place = [&](int x, int y, int w, int h, const QString& caption, int angle, bool bold,
                           TdxfOrientation orientation) {
        auto* label = new TdxfLabel(host.get());
        label->setGeometry(x, y, w, h);
        label->SetCaption(caption);
        label->SetTransparent(true);
        label->Font().SetName(QStringLiteral("ＭＳ Ｐゴシック"));
        label->Font().SetHeight(-13);
        label->Font().SetColor(clWhite);
        label->Font().SetStyle(bold ? FontStyles{FontStyle::Bold} : FontStyles{});
        label->Effect3D().SetStyle(TdxfEffectStyle::dxfExtrude);
        label->Effect3D().SetOrientation(orientation);
        label->Effect3D().SetDepth(1);
        label->SetAngle(angle);
    };
    place(140, 6, 14, 180, QStringLiteral("Orvane - ポルポルMoxel!"), 270, true,
          TdxfOrientation::dxfLeftBottom);
    place(10, 20, 60, 20, QStringLiteral("チマチマ数"), 356, false, TdxfOrientation::dxfRightBottom);
    place(70, 27, 40, 15, QStringLiteral("1234"), 356, true, TdxfOrientation::dxfRightBottom);
    return host;
}

std::unique_ptr<QWidget> makeHint(int style) {
    return std::make_unique<HintSample>(style);
}

// One tick of the palette animation on the shown main window, every label spinning and one pulsing, with
// the repaint it causes; against the least such a repaint costs Qt.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "app/mainwindow1.h"
#include "widgets/dxflabel.h"

namespace {

void BM_PaletteTick(benchmark::State& state) {
    TMainForm1 form;
    // The timer stays out of it: each iteration is exactly one tick.
    form.Timer1.stop();
    form.show();
    QCoreApplication::processEvents();
    TdxfLabel& pulsing = *form.dxfLabel(1);
    const auto tick = [&] {
        if (pulsing.Tag() == 0 && pulsing.Font().Size() >= 100) pulsing.SetTag(1);
        form.Timer1Timer();
        QCoreApplication::processEvents();
    };
    // A label's first turn composes its faces; the ticks after it are what the animation costs. Two whole
    // cycles of turn and pulse (36 and 14 ticks) first: the pulsing label draws its faces in the first and
    // makes their masks in the second, as it asks for each size and angle again.
    for (int i = 0; i < 2 * 252; ++i) tick();
    for (auto _ : state) tick();
}

// The floor of any tick: eleven ready 40 × 40 images painted by the one widget that holds them, as the
// palette's panel paints its windowless labels, with nothing to compute.
class ElevenImagesWidget : public QWidget {
public:
    explicit ElevenImagesWidget(QWidget* parent) : QWidget(parent), m_image(40, 40, QImage::Format_RGB32) {
        m_image.fill(Qt::black);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    static QRect area(int i) { return {i * 44, 0, 40, 40}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int i = 0; i < 11; ++i) painter.drawImage(area(i).topLeft(), m_image);
    }

private:
    QImage m_image;
};

void BM_OneParentRepaintsEleven(benchmark::State& state) {
    QWidget window;
    window.resize(TMainForm1::kClientWidth, TMainForm1::kClientHeight);
    auto* palette = new ElevenImagesWidget(&window);
    palette->setGeometry(0, 8, 11 * 44, 40);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        for (int i = 0; i < 11; ++i) palette->update(ElevenImagesWidget::area(i));
        QCoreApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BM_PaletteTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneParentRepaintsEleven)->Unit(benchmark::kMicrosecond);

// One tick of the palette animation on the shown main window, every label spinning and one pulsing, with
// the repaint it causes; against the least any animation of eleven 40 × 40 labels costs: copying their
// eleven images to the screen.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <array>

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

void BM_CopyElevenLabelImages(benchmark::State& state) {
    std::array<QImage, 11> labels;
    for (QImage& label : labels) {
        label = QImage(40, 40, QImage::Format_RGB32);
        label.fill(Qt::black);
    }
    QImage screen(TMainForm1::kClientWidth, TMainForm1::kClientHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        for (std::size_t i = 0; i < labels.size(); ++i) {
            QPainter painter(&screen);
            painter.drawImage(QPoint(static_cast<int>(i) * 44, 8), labels[i]);
        }
        benchmark::DoNotOptimize(screen.constBits());
    }
}

// The least Qt's widget machinery itself costs for such a tick: eleven opaque 40 × 40 child widgets of a
// window, each repainting a ready image. Every control is a widget of its own, so no tick can beat this.
class ReadyImageWidget : public QWidget {
public:
    explicit ReadyImageWidget(QWidget* parent) : QWidget(parent), m_image(40, 40, QImage::Format_RGB32) {
        m_image.fill(Qt::black);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(QPoint(0, 0), m_image); }

private:
    QImage m_image;
};

void BM_ElevenWidgetRepaints(benchmark::State& state) {
    QWidget window;
    window.resize(TMainForm1::kClientWidth, TMainForm1::kClientHeight);
    std::array<ReadyImageWidget*, 11> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = new ReadyImageWidget(&window);
        labels[i]->setGeometry(static_cast<int>(i) * 44, 8, 40, 40);
    }
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        for (ReadyImageWidget* label : labels) label->update();
        QCoreApplication::processEvents();
    }
}

// The same eleven images painted by their one parent, as windowless controls are painted by the window that
// holds them: what the tick's repaint would cost Qt if the palette labels were not widgets of their own.
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
BENCHMARK(BM_CopyElevenLabelImages)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ElevenWidgetRepaints)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneParentRepaintsEleven)->Unit(benchmark::kMicrosecond);

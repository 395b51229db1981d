// The least a program with this main window's animation can cost: a window of the same size that repaints
// eleven 40 × 40 areas with a flat colour every 70 ms. The idle and start-up measurements compare the real
// program against it.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "platform/firstframe.h"

namespace {

class Baseline : public QWidget {
public:
    Baseline() {
        resize(632, 446);
        m_timer.setInterval(70);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_shade = (m_shade + 16) % 256;
            for (int i = 0; i < 11; ++i) update(area(i));
        });
        m_timer.start();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int i = 0; i < 11; ++i) painter.fillRect(area(i), QColor(m_shade, 255 - m_shade, 0));
    }

private:
    static QRect area(int i) { return {8 + (i % 6) * 48, 8 + (i / 6) * 48, 40, 40}; }

    QTimer m_timer;
    int m_shade = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Baseline window;
    WatchFirstFrame(&window);
    window.show();
    return QApplication::exec();
}

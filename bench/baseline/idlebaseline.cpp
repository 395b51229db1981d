// The least a program with this main window's animation can cost: a window of the same size that repaints
// eleven 40 × 40 areas with a flat colour every 70 ms. The idle and start-up measurements compare the real
// program against it. With --text it also draws two short lines in the board's two fonts, the least any
// program showing text in them pays for its font stack; start-up reports that for information.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "platform/firstframe.h"

namespace {

class Baseline : public QWidget {
public:
    explicit Baseline(bool text) : m_text(text) {
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
        if (!m_text) return;
        QFont gothic(QStringLiteral("IPAPGothic"));
        gothic.setPixelSize(16);
        painter.setFont(gothic);
        painter.drawText(8, 200, QStringLiteral("ポルポル ┏━┓ TextOut"));
        QFont mincho(QStringLiteral("IPAPMincho"));
        mincho.setPixelSize(30);
        painter.setFont(mincho);
        painter.drawText(8, 260, QStringLiteral("┣╋┫"));
    }

private:
    static QRect area(int i) { return {8 + (i % 6) * 48, 8 + (i / 6) * 48, 40, 40}; }

    bool m_text;
    QTimer m_timer;
    int m_shade = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Baseline window(QApplication::arguments().contains(QStringLiteral("--text")));
    WatchFirstFrame(&window);
    window.show();
    return QApplication::exec();
}

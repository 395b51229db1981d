#include "platform/firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <ctime>

namespace {

// Nanoseconds since the epoch: the measuring script compares it with the clock it read before the start.
qint64 realTimeNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget* window, QString fileName)
        : QObject(window), m_window(window), m_fileName(std::move(fileName)) {
        // Opaque children may cover the whole window, which then gets no paint of its own: the first paint
        // of any widget in it counts.
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && !m_seen && widget && widget->window() == m_window) {
            m_seen = true;
            // The frame goes to the window system right after the paint, in the same pass; a zero timer
            // fires only when that pass is over.
            QTimer::singleShot(0, this, [this] {
                record();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void record() const {
        QFile file(m_fileName);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QByteArray::number(realTimeNanoseconds()) + '\n');
    }

    QWidget* m_window;
    QString m_fileName;
    bool m_seen = false;
};

}  // namespace

void WatchFirstFrame(QWidget* window) {
    const QString fileName = qEnvironmentVariable("MOXEL_FIRST_FRAME_FILE");
    if (fileName.isEmpty()) return;
    new FirstFrameWatch(window, fileName);
}

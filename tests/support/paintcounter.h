#pragma once

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QObject>
#include <QWidget>

// Counts the paint events every widget of the application receives while it lives, from outside: an
// application-wide event filter, so no control carries a counter of its own.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    int Of(const QWidget* widget) const { return m_counts.value(widget); }
    // Paints of widget and everything inside it.
    int Within(const QWidget* widget) const {
        int total = Of(widget);
        for (const QWidget* child : widget->findChildren<QWidget*>()) total += Of(child);
        return total;
    }
    void Clear() { m_counts.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++m_counts[watched];
        return false;
    }

private:
    QHash<const QObject*, int> m_counts;
};

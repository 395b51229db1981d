#pragma once

#include <QAccessibleObject>
#include <QAccessibleWidget>

class TGraphicControl;

// A graphic control's accessible object: its face, its place on the screen and its parent's object.
class GraphicAccessible : public QAccessibleObject {
public:
    explicit GraphicAccessible(TGraphicControl* control);

    TGraphicControl* control() const;
    QAccessibleInterface* parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
};

// A widget whose children include graphic controls: its windowed children first, then the graphic ones in
// creation order; with an AccessibleFace it also takes role, state and name from the widget.
class HostAccessible : public QAccessibleWidget {
public:
    explicit HostAccessible(QWidget* widget, QAccessible::Role role = QAccessible::Client);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

private:
    int graphicCount() const;
};

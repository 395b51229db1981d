#pragma once

#include <QAccessible>
#include <QString>

class QObject;
class QWidget;

// What a control tells assistive technology about itself: its role, its state and its name. Graphic
// controls have no accessible object of Qt's making, and windowed controls of ours are more than Qt's plain
// widget; both give theirs through this.
class AccessibleFace {
public:
    virtual ~AccessibleFace() = default;
    virtual QAccessible::Role AccessibleRole() const = 0;
    virtual QAccessible::State AccessibleState() const { return {}; }
    virtual QString AccessibleName() const = 0;
};

// The caption, or the hint where the caption is only a glyph (no letter or digit) or empty and there is a
// hint to say what the control does.
QString CaptionOrHint(const QString& caption, const QString& hint);

// The accessible objects of graphic controls, of widgets with graphic children (which list them after their
// windowed children) and of widgets that give an AccessibleFace. Installed once, with the first graphic
// control or on demand.
void InstallAccessibleFaces();

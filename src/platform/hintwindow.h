#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/region.h"

class Canvas;

// The window a hint is shown in: no border, topmost, never takes the focus or the pointer. Subclasses
// restyle it by overriding ActivateHint (shape and size) and Paint.
//
// The window's shape is cut out of its face as transparency rather than given to the window system as a
// mask, which not every platform supports; the window never takes input, so only the look matters.
class HintWindow : public QWidget {
    Q_OBJECT

public:
    HintWindow();

    // The rectangle the hint needs, from (0, 0): the text measured word-wrapped at maxWidth in the
    // window's font, plus 6 pixels in width and 2 in height.
    virtual TRect CalcHintRect(int maxWidth, const QString& hint);
    // Shows hint in rect (screen coordinates), 4 pixels taller, moved inside the desktop, without
    // activating the window.
    virtual void ActivateHint(TRect rect, const QString& hint);

    const QString& Caption() const { return m_caption; }
    // The font the hint is drawn and measured in.
    ::Font& Font() { return m_font; }
    const ::Font& Font() const { return m_font; }

    // The window's shape in window coordinates; empty: the whole window.
    const Region& WindowRegion() const { return m_region; }
    void SetWindowRegion(const Region& region);

    // The window's face as paintEvent shows it, transparent outside the shape.
    QImage Render();

protected:
    // The plain hint: the info colours, a frame and the text.
    virtual void Paint(Canvas& canvas);
    // Whether the face starts from the window colour; otherwise from fully transparent pixels.
    virtual bool ErasesBackground() const { return true; }

    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    ::Font m_font;
    Region m_region;
};

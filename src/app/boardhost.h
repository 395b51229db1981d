#pragma once

#include <QString>
#include <cstdint>

#include "app/boardcells.h"
#include "app/glyphcycles.h"
#include "platform/color.h"

// Everything the board rules read and change besides the cells: what the main form provides, and what the
// tests fake in memory. Each setter only stores; the rules decide what to set and in which order.
class BoardHost : public BoardCells {
public:
    virtual std::int32_t ClickCounter() const = 0;
    virtual void SetClickCounter(std::int32_t value) = 0;
    // The caption of the counter label beside "チマチマ数".
    virtual void SetCounterLabel(const QString& text) = 0;

    // The start colour of the board's gradient; setting it repaints the board.
    virtual TColor BoardGradientColor() const = 0;
    virtual void SetBoardGradientColor(TColor color) = 0;

    // The mode whose button is down at this moment.
    virtual DrawingMode CurrentDrawingMode() const = 0;
    // Plays a sound file by its bare name, only while the Sound button is down; failures are ignored.
    virtual void PlaySound(const QString& fileName) = 0;
    // Sets the pulse mark (the Tag) of palette label dxfLabel<paletteLabel> to 1.
    virtual void SetPulseMark(int paletteLabel) = 0;

    // The name the open dialog starts with at the next Load.
    virtual void SetOpenDialogFileName(const QString& fileName) = 0;
};

#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "app/boardhost.h"
#include "app/boardstring.h"
#include "app/glyphs.h"

// A board held in memory, recording every call the rules make in the order they make them.
class FakeBoard : public BoardHost {
public:
    FakeBoard() { m_cells.fill(GlyphCaption(Glyph::Blank)); }

    QString CellCaption(int index) const override { return m_cells.at(static_cast<std::size_t>(index)); }
    void SetCellCaption(int index, const QString& caption) override {
        m_cells.at(static_cast<std::size_t>(index)) = caption;
        calls.append(QStringLiteral("cell %1=%2").arg(index).arg(caption));
    }

    std::int32_t ClickCounter() const override { return counter; }
    void SetClickCounter(std::int32_t value) override {
        counter = value;
        calls.append(QStringLiteral("counter %1").arg(value));
    }
    void SetCounterLabel(const QString& text) override {
        counterLabel = text;
        calls.append(QStringLiteral("label %1").arg(text));
    }

    TColor BoardGradientColor() const override { return color; }
    void SetBoardGradientColor(TColor value) override {
        color = value;
        calls.append(QStringLiteral("color %1").arg(value.value));
    }

    DrawingMode CurrentDrawingMode() const override { return mode; }
    void PlaySound(const QString& fileName) override {
        sounds.push_back(fileName);
        calls.append(QStringLiteral("sound %1").arg(fileName));
    }
    void SetPulseMark(int paletteLabel) override {
        pulseMarks.at(static_cast<std::size_t>(paletteLabel)) = 1;
        calls.append(QStringLiteral("pulse %1").arg(paletteLabel));
    }

    void SetOpenDialogFileName(const QString& fileName) override {
        openDialogFileName = fileName;
        calls.append(QStringLiteral("dialog %1").arg(fileName));
    }

    // Sets the cells from a board string without recording the calls.
    void Fill(const QString& boardString) {
        ApplyBoardString(*this, boardString);
        calls.clear();
    }
    QString Codes() const { return BoardString(*this); }

    std::int32_t counter = 0;
    QString counterLabel = QStringLiteral("0");
    TColor color{8454143};
    DrawingMode mode = DrawingMode::FullCycle;
    QString openDialogFileName;
    std::vector<QString> sounds;
    std::array<int, 12> pulseMarks{};  // index n is dxfLabel<n>; index 0 is unused
    QStringList calls;

private:
    std::array<QString, kCellCount> m_cells;
};

#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "widgets/dxf3deffect.h"

enum class TdxfLabelStyle;

// Everything a rotated label's face depends on; two equal keys give the same pixels. The angle comes first,
// since it is what differs between the faces of one spinning label.
struct TdxfFaceKey {
    int angle = 0;
    ::Font font;
    QString caption;
    TdxfLabelStyle style{};
    TdxfEffectStyle effectStyle{};
    TdxfOrientation orientation{};
    int depth = 0;
    TColor shadowedColor;
    TColor color;
    int penWidth = 0;
    qint64 glyph = 0;
    QSize size;
    bool transparent = false;

    friend bool operator==(const TdxfFaceKey&, const TdxfFaceKey&) = default;
};

// The faces one label has composed. A spinning label comes back to the same few dozen faces every turn, so
// each is composed once; when the cache is full the face shown longest ago goes, and so does a face not
// shown for as many changes of face as the cache holds, so that a label back at rest lets its pulse go. A
// label keeps dozens of faces and shows one at a time, so an opaque face is kept as runs of one colour (a
// seventh of its pixels' bytes on the palette) and unpacked into one image when it is shown.
class TdxfFaceCache {
public:
    // Every face of a label that pulses again and again while it turns: a pulse takes 14 ticks and a turn
    // 36, so they come round together after 252 ticks. Fewer, and each face would go just before it is
    // asked for again, every one composed anew.
    static constexpr std::size_t kCapacity = 252;

    // The face for key, now the most recent one, or null. The image stays as it is until the next call.
    const QImage* Find(const TdxfFaceKey& key);
    const QImage& Insert(TdxfFaceKey key, QImage face);

private:
    struct Face {
        TdxfFaceKey key;
        std::size_t shown = 0;  // m_changes when it was last shown
        QSize size;
        QRgb background;
        QRgb main;
        std::size_t heads;   // the runs' heads, ahead of their colours
        std::size_t spared;  // the first runs, which leave room for their spare pixels
        // Runs of one colour, packed; empty for a face with alpha, kept whole.
        std::vector<std::uint8_t> runs;
        QImage whole;
    };
    using Faces = std::list<Face>;
    static Face pack(TdxfFaceKey key, const QImage& image);
    const QImage& show(Face& face);
    // Lays an opaque face's runs into its pixels, rows without padding.
    static void unpack(const Face& face, QRgb* pixel);
    // Face is shown now; the faces not shown for too long go.
    void markShown(Face& face);
    void dropOldest();

    Faces m_faces;  // most recent first
    // The faces by angle, so that a lookup compares the one or two faces of that angle only: the label
    // looks every frame, mostly with a cold cache.
    std::unordered_multimap<int, Faces::iterator> m_byAngle;
    QImage m_shown;
    const Face* m_shownFace = nullptr;  // the face m_shown holds
    std::size_t m_changes = 0;          // how often another face was shown, to age the faces by
};

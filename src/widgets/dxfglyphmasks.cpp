#include "widgets/dxfglyphmasks.h"

#include <QHash>
#include <QImage>
#include <algorithm>
#include <cstddef>
#include <unordered_map>
#include <vector>

#include "platform/canvas.h"
#include "widgets/dxflabel.h"

namespace {

struct MaskKey {
    ::Font font;
    QString caption;
    int angle = 0;
    QSize size;
    TPoint offset;

    friend bool operator==(const MaskKey&, const MaskKey&) = default;
};

struct MaskKeyHash {
    std::size_t operator()(const MaskKey& key) const {
        return qHashMulti(0, key.caption, key.angle, key.font.Height(), key.size.width(), key.size.height(),
                          key.offset.X, key.offset.Y);
    }
};

// Room for every copy of the eleven palette glyphs at rest and of a pulse at every angle; past that it
// starts afresh, which costs one drawing per mask again and keeps memory bounded.
constexpr std::size_t kCapacity = 16384;

TdxfGlyphMask drawMask(const MaskKey& key) {
    QImage image(key.size, QImage::Format_RGB32);
    image.fill(Qt::black);
    Canvas canvas(image);
    canvas.SetFont(key.font);
    const TPoint extent = canvas.TextExtent(key.caption);
    const TPoint start =
        TdxfLabel::TextStart(key.size.width() / 2, key.size.height() / 2, key.angle, extent.X, extent.Y);
    ::Font rotated = key.font;
    rotated.SetEscapement(((key.angle % 360) + 360) % 360 * 10);
    rotated.SetColor(clWhite);
    canvas.SetFont(rotated);
    canvas.SetBkMode(BackgroundMode::Transparent);
    canvas.TextOut(start.X + key.offset.X, start.Y + key.offset.Y, key.caption);
    return TdxfGlyphMask::FromWhiteOnBlack(image);
}

}  // namespace

TdxfGlyphMask TdxfGlyphMask::FromWhiteOnBlack(const QImage& image) {
    TdxfGlyphMask mask;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            if ((row[x] & 0xFFFFFFu) == 0) {
                ++x;
                continue;
            }
            Run run{static_cast<qint16>(y), static_cast<qint16>(x), 0,
                    static_cast<quint32>(mask.m_coverage.size())};
            for (; x < image.width() && (row[x] & 0xFFFFFFu) != 0; ++x)
                mask.m_coverage.push_back(static_cast<unsigned char>(qRed(row[x])));
            run.x1 = static_cast<qint16>(x);
            mask.m_runs.push_back(run);
        }
    }
    return mask;
}

namespace {

// x * a / 255, rounded, per channel of a whole pixel.
QRgb byteMul(QRgb x, unsigned a) {
    quint64 t = ((static_cast<quint64>(x) | (static_cast<quint64>(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return static_cast<QRgb>(t | (t >> 24));
}

}  // namespace

void TdxfGlyphMask::Fill(QImage& image, TColor color) const {
    const QRgb source = ToQRgb(color) | 0xFF000000u;
    for (const Run& run : m_runs) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(run.y));
        const unsigned char* coverage = m_coverage.data() + run.at - run.x0;
        for (int x = run.x0; x < run.x1; ++x) {
            const unsigned a = coverage[x];
            row[x] = a == 255 ? source : byteMul(source, a) + byteMul(row[x], 255 - a);
        }
    }
}

const TdxfGlyphMask& CaptionMask(const ::Font& font, const QString& caption, int angle, QSize size,
                                 TPoint offset) {
    static std::unordered_map<MaskKey, TdxfGlyphMask, MaskKeyHash> masks;
    MaskKey key{font, caption, angle, size, offset};
    key.font.SetColor(clBlack);
    if (const auto found = masks.find(key); found != masks.end()) return found->second;
    if (masks.size() >= kCapacity) masks.clear();
    TdxfGlyphMask mask = drawMask(key);
    return masks.emplace(std::move(key), std::move(mask)).first->second;
}

#include "widgets/dxfglyphmasks.h"

#include <QHash>
#include <QImage>
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/canvas.h"
#include "widgets/dxfcaptionplacement.h"

namespace {

struct MaskKey {
    ::Font font;
    QString caption;
    int angle = 0;
    QSize size;
    std::vector<TPoint> offsets;

    friend bool operator==(const MaskKey&, const MaskKey&) = default;
};

struct MaskKeyHash {
    std::size_t operator()(const MaskKey& key) const {
        return qHashMulti(0, key.caption, key.angle, key.font.Height(), key.size.width(), key.size.height(),
                          key.offsets.size());
    }
};

// A few kilobytes each. Masks are made for the faces a label composes again, as a pulsing one does: a pulse
// repeated without end meets 216 sizes and angles, which this holds. Past it the cache starts afresh.
constexpr std::size_t kCapacity = 256;
// The keys asked for once, by hash: two keys sharing one only make the second one's masks sooner.
constexpr std::size_t kSeenCapacity = 4096;

// The caption drawn in white on black at offset from start, in an image of size whose top-left lies at
// origin.
QImage drawCaption(const MaskKey& key, TPoint start, TPoint offset, TPoint origin, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    Canvas canvas(image);
    ::Font rotated = key.font;
    rotated.SetEscapement(CaptionEscapement(key.angle));
    rotated.SetColor(clWhite);
    canvas.SetFont(rotated);
    canvas.SetBkMode(BackgroundMode::Transparent);
    canvas.TextOut(start.X + offset.X - origin.X, start.Y + offset.Y - origin.Y, key.caption);
    return image;
}

TdxfCaptionMasks drawMasks(const MaskKey& key) {
    // Drawn once where the label puts its face, with room for every copy's reach around the label.
    int reach = 0;
    for (const TPoint offset : key.offsets) reach = std::max({reach, std::abs(offset.X), std::abs(offset.Y)});
    const TPoint origin{-reach, -reach};
    const QSize wide(key.size.width() + 2 * reach, key.size.height() + 2 * reach);
    const TPoint start = CaptionStart(key.font, key.caption, key.angle, key.size);
    TdxfGlyphMask drawn =
        TdxfGlyphMask::FromWhiteOnBlack(drawCaption(key, start, {0, 0}, origin, wide), origin);
    // Each copy drawn where it lies, kept only where moving the drawn one does not give the same.
    std::vector<std::optional<TdxfGlyphMask>> own;
    for (const TPoint offset : key.offsets) {
        TdxfGlyphMask copy =
            TdxfGlyphMask::FromWhiteOnBlack(drawCaption(key, start, offset, {0, 0}, key.size), {0, 0});
        if (copy == drawn.MovedWithin(offset, key.size))
            own.emplace_back();
        else
            own.emplace_back(std::move(copy));
    }
    return TdxfCaptionMasks(std::move(drawn), std::move(own));
}

}  // namespace

TdxfGlyphMask TdxfGlyphMask::FromWhiteOnBlack(const QImage& image, TPoint origin) {
    TdxfGlyphMask mask;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < width) {
            if ((row[x] & kRgbMask) == 0) {
                ++x;
                continue;
            }
            Run run{static_cast<qint16>(y + origin.Y), static_cast<qint16>(x + origin.X), 0,
                    static_cast<quint32>(mask.m_coverage.size())};
            for (; x < width && (row[x] & kRgbMask) != 0; ++x)
                mask.m_coverage.push_back(static_cast<unsigned char>(qRed(row[x])));
            run.x1 = static_cast<qint16>(x + origin.X);
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

TdxfGlyphMask TdxfGlyphMask::MovedWithin(TPoint offset, QSize size) const {
    TdxfGlyphMask moved;
    for (const Run& run : m_runs) {
        const int y = run.y + offset.Y;
        const int x0 = std::max(run.x0 + offset.X, 0);
        const int x1 = std::min(run.x1 + offset.X, size.width());
        if (y < 0 || y >= size.height() || x0 >= x1) continue;
        const auto from = m_coverage.begin() + run.at + (x0 - run.x0 - offset.X);
        moved.m_runs.push_back({static_cast<qint16>(y), static_cast<qint16>(x0), static_cast<qint16>(x1),
                                static_cast<quint32>(moved.m_coverage.size())});
        moved.m_coverage.insert(moved.m_coverage.end(), from, from + (x1 - x0));
    }
    return moved;
}

bool operator==(const TdxfGlyphMask& a, const TdxfGlyphMask& b) {
    // Runs start where the one before ends, so equal runs and equal coverage are equal masks.
    if (a.m_coverage != b.m_coverage || a.m_runs.size() != b.m_runs.size()) return false;
    for (std::size_t i = 0; i < a.m_runs.size(); ++i) {
        const auto& r = a.m_runs[i];
        const auto& q = b.m_runs[i];
        if (r.y != q.y || r.x0 != q.x0 || r.x1 != q.x1) return false;
    }
    return true;
}

void TdxfGlyphMask::Fill(QImage& image, TPoint offset, TColor color) const {
    const QRgb source = ToQRgb(color);
    const int width = image.width();
    const int height = image.height();
    for (const Run& run : m_runs) {
        const int y = run.y + offset.Y;
        if (y < 0 || y >= height) continue;
        const int x0 = std::max(run.x0 + offset.X, 0);
        const int x1 = std::min(run.x1 + offset.X, width);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const unsigned char* coverage = m_coverage.data() + run.at - (run.x0 + offset.X);
        for (int x = x0; x < x1; ++x) {
            const unsigned a = coverage[x];
            row[x] = a == 255 ? source : byteMul(source, a) + byteMul(row[x], 255 - a);
        }
    }
}

TdxfCaptionMasks::TdxfCaptionMasks(TdxfGlyphMask drawn, std::vector<std::optional<TdxfGlyphMask>> own)
    : m_drawn(std::move(drawn)), m_own(std::move(own)) {}

void TdxfCaptionMasks::Fill(QImage& image, std::size_t copy, TPoint offset, TColor color) const {
    if (m_own[copy])
        m_own[copy]->Fill(image, {0, 0}, color);
    else
        m_drawn.Fill(image, offset, color);
}

const TdxfCaptionMasks* CaptionMasks(const ::Font& font, const QString& caption, int angle, QSize size,
                                     const std::vector<TPoint>& offsets) {
    static std::unordered_map<MaskKey, TdxfCaptionMasks, MaskKeyHash> masks;
    static std::unordered_set<std::size_t> seen;
    MaskKey key{font, caption, angle, size, offsets};
    key.font.SetColor(clBlack);
    if (const auto found = masks.find(key); found != masks.end()) return &found->second;
    if (seen.size() >= kSeenCapacity) seen.clear();
    if (seen.insert(MaskKeyHash()(key)).second) return nullptr;
    if (masks.size() >= kCapacity) masks.clear();
    TdxfCaptionMasks drawn = drawMasks(key);
    return &masks.emplace(std::move(key), std::move(drawn)).first->second;
}

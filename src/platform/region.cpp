#include "platform/region.h"

#include "platform/raster.h"

#include <QRect>
#include <algorithm>
#include <climits>

Region Region::FromSpans(std::vector<Span> spans) {
    std::erase_if(spans, [](const Span& s) { return s.X1 <= s.X0; });
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.Y != b.Y ? a.Y < b.Y : a.X0 < b.X0; });
    Region region;
    for (const Span& s : spans) {
        if (!region.m_spans.empty() && region.m_spans.back().Y == s.Y && region.m_spans.back().X1 >= s.X0)
            region.m_spans.back().X1 = std::max(region.m_spans.back().X1, s.X1);
        else
            region.m_spans.push_back(s);
    }
    return region;
}

bool Region::Contains(TPoint p) const {
    auto it =
        std::lower_bound(m_spans.begin(), m_spans.end(), p.Y, [](const Span& s, int y) { return s.Y < y; });
    for (; it != m_spans.end() && it->Y == p.Y; ++it)
        if (p.X >= it->X0 && p.X < it->X1) return true;
    return false;
}

TRect Region::BoundingRect() const {
    if (m_spans.empty()) return {};
    TRect r{INT_MAX, m_spans.front().Y, INT_MIN, m_spans.back().Y + 1};
    for (const Span& s : m_spans) {
        r.Left = std::min(r.Left, s.X0);
        r.Right = std::max(r.Right, s.X1);
    }
    return r;
}

Region Region::Offset(int dx, int dy) const {
    Region moved = *this;
    for (Span& s : moved.m_spans) s = {s.Y + dy, s.X0 + dx, s.X1 + dx};
    return moved;
}

Region Region::Intersected(const Region& other) const {
    Region result;
    auto a = m_spans.begin();
    auto b = other.m_spans.begin();
    while (a != m_spans.end() && b != other.m_spans.end()) {
        if (a->Y != b->Y) {
            (a->Y < b->Y ? a : b)++;
            continue;
        }
        const int x0 = std::max(a->X0, b->X0);
        const int x1 = std::min(a->X1, b->X1);
        if (x1 > x0) result.m_spans.push_back({a->Y, x0, x1});
        // Advance whichever span ends first; the other may still meet the next one.
        (a->X1 < b->X1 ? a : b)++;
    }
    return result;
}

Region Region::Intersected(const TRect& rect) const {
    Region result;
    const TRect r = rect.Normalized();
    for (const Span& s : m_spans) {
        if (s.Y < r.Top || s.Y >= r.Bottom) continue;
        const int x0 = std::max(s.X0, r.Left);
        const int x1 = std::min(s.X1, r.Right);
        if (x1 > x0) result.m_spans.push_back({s.Y, x0, x1});
    }
    return result;
}

Region Region::United(const Region& other) const {
    std::vector<Span> all = m_spans;
    all.insert(all.end(), other.m_spans.begin(), other.m_spans.end());
    return FromSpans(std::move(all));
}

QRegion Region::ToQRegion() const {
    // Rows with the same columns as the row above grow that row's rectangles downwards.
    std::vector<QRect> rects;
    std::size_t bandStart = 0;
    std::size_t prevRowStart = 0;
    std::size_t prevRowEnd = 0;
    std::size_t i = 0;
    while (i < m_spans.size()) {
        std::size_t j = i;
        while (j < m_spans.size() && m_spans[j].Y == m_spans[i].Y) ++j;
        const bool continues =
            prevRowEnd > prevRowStart && m_spans[prevRowStart].Y + 1 == m_spans[i].Y &&
            j - i == prevRowEnd - prevRowStart &&
            std::equal(m_spans.begin() + static_cast<std::ptrdiff_t>(i),
                       m_spans.begin() + static_cast<std::ptrdiff_t>(j),
                       m_spans.begin() + static_cast<std::ptrdiff_t>(prevRowStart),
                       [](const Span& a, const Span& b) { return a.X0 == b.X0 && a.X1 == b.X1; });
        if (continues) {
            for (std::size_t k = bandStart; k < rects.size(); ++k) rects[k].setBottom(m_spans[i].Y);
        } else {
            bandStart = rects.size();
            for (std::size_t k = i; k < j; ++k)
                rects.emplace_back(m_spans[k].X0, m_spans[k].Y, m_spans[k].X1 - m_spans[k].X0, 1);
        }
        prevRowStart = i;
        prevRowEnd = j;
        i = j;
    }
    QRegion region;
    for (const QRect& r : rects) region += r;
    return region;
}

Region CreateRectRgn(int left, int top, int right, int bottom) {
    const TRect r = Rect(left, top, right, bottom).Normalized();
    std::vector<Span> spans;
    if (r.IsEmpty()) return {};
    for (int y = r.Top; y < r.Bottom; ++y) spans.push_back({y, r.Left, r.Right});
    return Region::FromSpans(std::move(spans));
}

namespace {

// The platform computes these regions without the box's lower-right point, which the drawn shapes take in.
TRect regionBox(int left, int top, int right, int bottom) {
    const TRect b = Rect(left, top, right, bottom).Normalized();
    return {b.Left, b.Top, b.Right - 1, b.Bottom - 1};
}

}  // namespace

Region CreateEllipticRgn(int left, int top, int right, int bottom) {
    const TRect box = regionBox(left, top, right, bottom);
    if (box.IsEmpty()) return {};
    return Region::FromSpans(EllipseSpans(box, INT_MIN, INT_MAX));
}

Region CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    const TRect box = regionBox(left, top, right, bottom);
    if (box.IsEmpty()) return {};
    return Region::FromSpans(RoundRectSpans(box, ellipseWidth, ellipseHeight, INT_MIN, INT_MAX));
}

Region CreatePolygonRgn(const std::vector<TPoint>& points, FillMode mode) {
    return Region::FromSpans(PolygonSpans(points, mode, INT_MIN, INT_MAX));
}

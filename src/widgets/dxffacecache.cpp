#include "widgets/dxffacecache.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// A run of one colour is (length << 24) | colour. A word with length 0 instead heads a group of single
// pixels, its low bits their count, and they follow it as they are: the edges of a glyph are mostly pixels
// of their own, and copying a group costs less than a fill per pixel.
constexpr int kLengthShift = 24;
constexpr int kLongestRun = 255;

// Two pixels a store: a face's runs are short, and a store per pixel was most of unpacking it.
QRgb* fillRun(QRgb* pixel, int length, QRgb colour) {
    const quint64 two = colour | static_cast<quint64>(colour) << 32;
    for (; length >= 2; length -= 2, pixel += 2) std::memcpy(pixel, &two, sizeof two);
    if (length > 0) *pixel++ = colour;
    return pixel;
}

}  // namespace

TdxfFaceCache::Face TdxfFaceCache::pack(TdxfFaceKey key, const QImage& image) {
    Face face{std::move(key), 0, image.size(), {}, {}};
    if (image.format() != QImage::Format_RGB32) {
        face.whole = image;
        return face;
    }
    std::vector<quint32>& words = face.runs;
    std::size_t group = 0;  // the head of the open group of single pixels, 0 when none is open
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    const int count = image.width() * image.height();
    for (int at = 0; at < count;) {
        const QRgb colour = pixels[at];
        int length = 1;
        while (at + length < count && length < kLongestRun && pixels[at + length] == colour) ++length;
        if (length > 1) {
            words.push_back(static_cast<quint32>(length) << kLengthShift | (colour & kRgbMask));
            group = 0;
        } else {
            if (group == 0) {
                group = words.size();
                words.push_back(0);
            }
            ++words[group];
            words.push_back(colour | kOpaqueAlpha);
        }
        at += length;
    }
    words.shrink_to_fit();
    return face;
}

const QImage& TdxfFaceCache::show(Face& face) {
    if (m_shownFace == &face) return m_shown;
    m_shownFace = &face;
    markShown(face);
    if (!face.whole.isNull()) return m_shown = face.whole;
    if (m_shown.size() != face.size || m_shown.format() != QImage::Format_RGB32)
        m_shown = QImage(face.size, QImage::Format_RGB32);
    // Most of a face is its background: filled at once, its runs are only passed over. The first word is
    // taken as its colour; should it head a group instead, the fill is merely wasted.
    const QRgb background = face.runs.empty() ? 0 : face.runs.front() | kOpaqueAlpha;
    m_shown.fill(background);
    // Rows of 32-bit pixels have no padding, so the words fill one array.
    auto* pixel = reinterpret_cast<QRgb*>(m_shown.bits());
    const quint32* word = face.runs.data();
    const quint32* const end = word + face.runs.size();
    while (word < end) {
        const quint32 head = *word++;
        const int length = static_cast<int>(head >> kLengthShift);
        const QRgb colour = head | kOpaqueAlpha;
        if (length > 0) {
            pixel = colour == background ? pixel + length : fillRun(pixel, length, colour);
        } else {
            pixel = std::copy_n(word, head, pixel);
            word += head;
        }
    }
    return m_shown;
}

const QImage* TdxfFaceCache::Find(const TdxfFaceKey& key) {
    const auto [first, last] = m_byAngle.equal_range(key.angle);
    for (auto it = first; it != last; ++it) {
        if (!(it->second->key == key)) continue;
        m_faces.splice(m_faces.begin(), m_faces, it->second);
        return &show(m_faces.front());
    }
    return nullptr;
}

const QImage& TdxfFaceCache::Insert(TdxfFaceKey key, QImage face) {
    if (m_faces.size() >= kCapacity) dropOldest();
    m_faces.push_front(pack(std::move(key), face));
    m_byAngle.emplace(m_faces.front().key.angle, m_faces.begin());
    m_shownFace = &m_faces.front();
    markShown(m_faces.front());
    return m_shown = std::move(face);
}

void TdxfFaceCache::markShown(Face& face) {
    face.shown = ++m_changes;
    while (m_changes - m_faces.back().shown > kCapacity) dropOldest();
}

void TdxfFaceCache::dropOldest() {
    const auto oldest = std::prev(m_faces.end());
    const auto [first, last] = m_byAngle.equal_range(oldest->key.angle);
    for (auto it = first; it != last; ++it) {
        if (it->second != oldest) continue;
        m_byAngle.erase(it);
        break;
    }
    if (m_shownFace == &*oldest) m_shownFace = nullptr;
    m_faces.pop_back();
}

#include "widgets/dxffacecache.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace {

// A face is packed as runs of one colour: a byte per run, its kind in the top two bits and its length less
// one in the rest, and after all of them the colours the kinds do not tell. The face's background and main
// colours take no byte more, a grey one byte (its level), any other colour three (red, green, blue). A
// label's face is its background, its glyph in one colour and a shadow shaded in greys, so a run takes one
// or two bytes. The heads come apart from the colours so that unpacking finds each head without reading
// the one before.
enum RunKind : unsigned { kBackground, kMain, kGrey, kOther };
constexpr unsigned kKindShift = 6;
// Every run is laid in one go of kLongestRun pixels, past its end too, with no branch on its length; a
// longer stretch of one colour takes more runs.
constexpr int kLongestRun = 16;

bool isGrey(QRgb colour) {
    return qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour);
}

}  // namespace

TdxfFaceCache::Face TdxfFaceCache::pack(TdxfFaceKey key, const QImage& image) {
    Face face{std::move(key), 0, image.size(), 0, 0, 0, {}, {}};
    if (image.format() != QImage::Format_RGB32) {
        face.whole = image;
        return face;
    }
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    const int count = image.width() * image.height();
    struct Run {
        QRgb colour;
        int length;
    };
    std::vector<Run> runs;
    for (int at = 0; at < count;) {
        const QRgb colour = pixels[at] | kOpaqueAlpha;
        int length = 1;
        while (at + length < count && length < kLongestRun && (pixels[at + length] | kOpaqueAlpha) == colour)
            ++length;
        runs.push_back({colour, length});
        at += length;
    }
    // The main colour is that of the longest run not in the background's.
    face.background = runs.empty() ? kOpaqueAlpha : runs.front().colour;
    face.main = face.background;
    int longest = 0;
    for (const Run& run : runs) {
        if (run.colour == face.background || run.length <= longest) continue;
        longest = run.length;
        face.main = run.colour;
    }
    std::vector<std::uint8_t>& bytes = face.runs;
    std::vector<std::uint8_t> colours;
    for (const auto& [colour, length] : runs) {
        RunKind kind = kOther;
        if (colour == face.background) {
            kind = kBackground;
        } else if (colour == face.main) {
            kind = kMain;
        } else if (isGrey(colour)) {
            kind = kGrey;
            colours.push_back(static_cast<std::uint8_t>(qBlue(colour)));
        } else {
            colours.insert(colours.end(), {static_cast<std::uint8_t>(qRed(colour)),
                                           static_cast<std::uint8_t>(qGreen(colour)),
                                           static_cast<std::uint8_t>(qBlue(colour))});
        }
        bytes.push_back(static_cast<std::uint8_t>(kind << kKindShift | static_cast<unsigned>(length - 1)));
    }
    face.heads = bytes.size();
    bytes.insert(bytes.end(), colours.begin(), colours.end());
    // Every run reads three colour bytes, whatever its kind needs.
    bytes.resize(bytes.size() + 3);
    bytes.shrink_to_fit();
    return face;
}

const QImage& TdxfFaceCache::show(Face& face) {
    if (m_shownFace == &face) return m_shown;
    m_shownFace = &face;
    markShown(face);
    if (!face.whole.isNull()) return m_shown = face.whole;
    if (m_shown.size() != face.size || m_shown.format() != QImage::Format_RGB32)
        m_shown = QImage(face.size, QImage::Format_RGB32);
    // Rows of 32-bit pixels have no padding, so the runs fill one array.
    QRgb* pixel = reinterpret_cast<QRgb*>(m_shown.bits());
    QRgb* const end = pixel + face.size.width() * face.size.height();
    const std::uint8_t* head = face.runs.data();
    const std::uint8_t* const heads = head + face.heads;
    const std::uint8_t* colour = heads;
    const auto next = [&] {
        const unsigned kind = *head >> kKindShift;
        const int length = (*head++ & ((1 << kKindShift) - 1)) + 1;
        // Picked from all four without a branch on the kind, which no processor could guess.
        const QRgb choices[] = {face.background, face.main, kOpaqueAlpha | 0x010101u * colour[0],
                                qRgb(colour[0], colour[1], colour[2])};
        colour += (kind >> 1) * (1 + 2 * (kind & 1));
        return std::pair{length, choices[kind]};
    };
    // While no run can take its spare pixels past the face's end.
    while (head < heads && end - pixel >= kLongestRun) {
        const auto [length, value] = next();
        std::fill_n(pixel, kLongestRun, value);
        pixel += length;
    }
    while (head < heads) {
        const auto [length, value] = next();
        pixel = std::fill_n(pixel, length, value);
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

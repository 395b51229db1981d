#include "widgets/dxffacecache.h"

#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "platform/vectorclones.h"

namespace {

// A face is packed as runs of one colour: a byte per run (its kind in the top two bits, then the number of
// colour bytes the kind takes, then its length less one in the low four bits), and after all of them the
// colours the kinds do not tell. The face's background and main colours take no byte more, a grey one byte
// (its level), any other colour three (blue, green, red, as its own bytes lie in memory, so that one load
// reads it). A label's face is its background, its glyph in one colour and a shadow shaded in greys, so a
// run takes one or two bytes. The heads come apart from the colours so that unpacking finds each head
// without reading the one before.
enum RunKind : unsigned { kBackground, kMain, kGrey, kOther };
constexpr unsigned kKindShift = 6;
constexpr unsigned kBytesShift = 4;
constexpr unsigned kColourBytes[] = {0, 0, 1, 3};
constexpr unsigned kLengthMask = 15;
// Every run is laid in one go of kLongestRun pixels, past its end too, with no branch on its length; a
// longer stretch of one colour takes more runs.
constexpr int kLongestRun = kLengthMask + 1;

bool isGrey(QRgb colour) {
    return qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour);
}

}  // namespace

TdxfFaceCache::Face TdxfFaceCache::pack(TdxfFaceKey key, const QImage& image) {
    Face face{std::move(key), 0, image.size(), 0, 0, 0, 0, {}, {}};
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
    int start = 0;
    for (const auto& [colour, length] : runs) {
        // Runs that leave room for all their spare pixels before the face's end.
        if (start <= count - kLongestRun) face.spared = bytes.size() + 1;
        start += length;
        RunKind kind = kOther;
        if (colour == face.background) {
            kind = kBackground;
        } else if (colour == face.main) {
            kind = kMain;
        } else if (isGrey(colour)) {
            kind = kGrey;
            colours.push_back(static_cast<std::uint8_t>(qBlue(colour)));
        } else {
            colours.insert(colours.end(), {static_cast<std::uint8_t>(qBlue(colour)),
                                           static_cast<std::uint8_t>(qGreen(colour)),
                                           static_cast<std::uint8_t>(qRed(colour))});
        }
        bytes.push_back(static_cast<std::uint8_t>(kind << kKindShift | kColourBytes[kind] << kBytesShift |
                                                  static_cast<unsigned>(length - 1)));
    }
    face.heads = bytes.size();
    bytes.insert(bytes.end(), colours.begin(), colours.end());
    // Every run reads four colour bytes, whatever its kind needs.
    bytes.resize(bytes.size() + 4);
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
    unpack(face, reinterpret_cast<QRgb*>(m_shown.bits()));
    return m_shown;
}

MOXEL_VECTOR_CLONES void TdxfFaceCache::unpack(const Face& face, QRgb* pixel) {
    const std::uint8_t* at = face.runs.data();
    const std::uint8_t* const spared = at + face.spared;
    const std::uint8_t* const heads = at + face.heads;
    const std::uint8_t* colour = heads;
    // Picked from a table, not by a branch on the kind, which no processor could guess.
    QRgb choices[] = {face.background, face.main, 0, 0};
    const auto next = [&] {
        const unsigned head = *at++;
        quint32 other = 0;
        std::memcpy(&other, colour, sizeof other);
        choices[kGrey] = kOpaqueAlpha | 0x010101u * colour[0];
        choices[kOther] = qFromLittleEndian(other) | kOpaqueAlpha;
        colour += head >> kBytesShift & 3;
        return std::pair{static_cast<int>(head & kLengthMask) + 1, choices[head >> kKindShift]};
    };
    while (at < spared) {
        const auto [length, value] = next();
        std::fill_n(pixel, kLongestRun, value);
        pixel += length;
    }
    while (at < heads) {
        const auto [length, value] = next();
        pixel = std::fill_n(pixel, length, value);
    }
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

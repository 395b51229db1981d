#include "widgets/dxffacecache.h"

#include <iterator>

const QImage* TdxfFaceCache::Find(const TdxfFaceKey& key) {
    const auto [first, last] = m_byAngle.equal_range(key.angle);
    for (auto it = first; it != last; ++it) {
        if (!(it->second->first == key)) continue;
        m_faces.splice(m_faces.begin(), m_faces, it->second);
        return &m_faces.front().second;
    }
    return nullptr;
}

const QImage& TdxfFaceCache::Insert(TdxfFaceKey key, QImage face) {
    if (m_faces.size() >= kCapacity) {
        const auto oldest = std::prev(m_faces.end());
        const auto [first, last] = m_byAngle.equal_range(oldest->first.angle);
        for (auto it = first; it != last; ++it) {
            if (it->second != oldest) continue;
            m_byAngle.erase(it);
            break;
        }
        m_faces.pop_back();
    }
    m_faces.emplace_front(std::move(key), std::move(face));
    m_byAngle.emplace(m_faces.front().first.angle, m_faces.begin());
    return m_faces.front().second;
}

#include "widgets/dxffacecache.h"

const QImage* TdxfFaceCache::Find(const TdxfFaceKey& key) {
    for (auto it = m_faces.begin(); it != m_faces.end(); ++it) {
        if (!(it->first == key)) continue;
        m_faces.splice(m_faces.begin(), m_faces, it);
        return &m_faces.front().second;
    }
    return nullptr;
}

const QImage& TdxfFaceCache::Insert(TdxfFaceKey key, QImage face) {
    if (m_faces.size() >= kCapacity) m_faces.pop_back();
    m_faces.emplace_front(std::move(key), std::move(face));
    return m_faces.front().second;
}

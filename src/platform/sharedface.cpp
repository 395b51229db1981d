#include "platform/sharedface.h"

#include <QPainter>
#include <map>

QImage& SharedFace(QSize size, QImage::Format format) {
    static std::map<QImage::Format, QImage> faces;
    QImage& face = faces[format];
    if (size.width() > face.width() || size.height() > face.height())
        face = QImage(size.expandedTo(face.size()), format);
    return face;
}

QImage& ClearedSharedFace(QSize size) {
    QImage& face = SharedFace(size, QImage::Format_ARGB32);
    QPainter painter(&face);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::transparent);
    return face;
}

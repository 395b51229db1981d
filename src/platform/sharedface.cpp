#include "platform/sharedface.h"

#include <QPainter>
#include <map>
#include <vector>

QImage& SharedFace(QSize size, QImage::Format format) {
    // The pixels are kept as one array as large as the largest face, and the image is laid over it in the
    // shape asked for: grown by width and height apart, a wide face and a tall one would keep the box
    // around both.
    struct Shared {
        std::vector<quint32> pixels;
        QImage image;  // over pixels, so it goes first
    };
    static std::map<QImage::Format, Shared> faces;
    Shared& face = faces[format];
    if (size.width() <= face.image.width() && size.height() <= face.image.height()) return face.image;
    const QSize shape = size.expandedTo(QSize(1, 1));
    const std::size_t area =
        static_cast<std::size_t>(shape.width()) * static_cast<std::size_t>(shape.height());
    if (area > face.pixels.size()) {
        face.image = QImage();
        face.pixels.resize(area);
    }
    face.image = QImage(reinterpret_cast<uchar*>(face.pixels.data()), shape.width(), shape.height(),
                        shape.width() * static_cast<qsizetype>(sizeof(quint32)), format);
    return face.image;
}

QImage& ClearedSharedFace(QSize size) {
    QImage& face = SharedFace(size, QImage::Format_ARGB32);
    QPainter painter(&face);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::transparent);
    return face;
}

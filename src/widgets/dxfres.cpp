#include "widgets/dxfres.h"

#include <algorithm>

QImage& DrawBmp() {
    static QImage bitmap(1, 1, QImage::Format_RGB32);
    return bitmap;
}

void EnlargeDrawBmp(int width, int height) {
    QImage& bitmap = DrawBmp();
    if (width <= bitmap.width() && height <= bitmap.height()) return;
    bitmap = QImage(std::max(width, bitmap.width()), std::max(height, bitmap.height()), QImage::Format_RGB32);
}

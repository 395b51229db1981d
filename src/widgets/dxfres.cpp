#include "widgets/dxfres.h"

#include "platform/sharedface.h"

QImage& DrawBmp() {
    return SharedFace(QSize(1, 1));
}

void EnlargeDrawBmp(int width, int height) {
    SharedFace(QSize(width, height));
}

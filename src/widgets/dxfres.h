#pragma once

#include <QImage>

// The one drawing bitmap that every rotated label composes its face in: the shared face. It grows to the
// largest face painted and never shrinks, so eleven labels repainting every frame allocate nothing.
QImage& DrawBmp();

// Grows DrawBmp to at least width x height; its pixels are undefined afterwards.
void EnlargeDrawBmp(int width, int height);

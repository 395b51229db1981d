#pragma once

#include <QImage>
#include <QSize>

// How controls keep their faces between paints, in three ways only:
// - shared: composed anew at every paint in one image per pixel format that all controls share, since they
//   paint one at a time on the one user-interface thread; it grows to the largest face and never shrinks,
//   so painting allocates nothing. The cells, the glossy buttons, the shapes, the board panel's surface,
//   the labels' drawing bitmap and gradient boxes with a caption compose there.
// - kept: a control that shows the same few faces again and again keeps them ready: the beads their up
//   and down faces (made when their size or colour changes), the palette labels their recent faces
//   (eleven labels turning through 36 angles and pulsing through 14 sizes, every 70 ms).
// - none: a control made of a few solid strips paints them straight onto its parent's surface: the bevel,
//   and a gradient box without a caption.

// The shared image of that format, at least size large; its pixels are whatever the last face left there,
// and each face uses its top-left corner.
QImage& SharedFace(QSize size, QImage::Format format = QImage::Format_RGB32);
// The same, with the face's area cleared to transparent, for a see-through face.
QImage& ClearedSharedFace(QSize size);

#pragma once

#include <QImage>
#include <QSize>

// How controls keep their faces between paints, in three ways only:
// - shared: composed anew at every paint in one image per pixel format that all controls share, since they
//   paint one at a time on the one user-interface thread; its pixels grow to the largest face's and never
//   shrink, so painting allocates no pixels. The cells, the glossy buttons, the shapes, the board panel's
//   surface where its frame is not made of solid fills, the labels' drawing bitmap and gradient boxes with
//   a caption compose there.
// - kept: a control that shows the same few faces again and again keeps them ready: the beads their up
//   and down faces (made when their size or colour changes), the palette labels their recent faces
//   (eleven labels turning through 36 angles and pulsing through 14 sizes, every 70 ms).
// - none: a control made of a few solid strips paints them straight onto its parent's surface: the bevel,
//   a gradient box without a caption, and the board panel's back bitmap with its frame.

// The shared image of that format, at least size large (an image of 32-bit pixels); its pixels are
// whatever the last face left there, and each face uses its top-left corner.
QImage& SharedFace(QSize size, QImage::Format format = QImage::Format_RGB32);
// The same, with the face's area cleared to transparent, for a see-through face.
QImage& ClearedSharedFace(QSize size);

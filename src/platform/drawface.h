#pragma once

class QImage;
class QPainter;
class QRegion;

// Draws a control's face, composed in an image whose origin is the control's, over the region a paint event
// asks for.
void DrawFace(QPainter& painter, const QRegion& region, const QImage& face);

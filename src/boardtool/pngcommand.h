#pragma once

#include <QImage>
#include <QStringList>

class BoardHost;
enum class TMxGradientStyle;

enum class BoardLook { Flat, GridLines };

// The board's panel as the window shows it (542 × 272 at scale 1), with the board's cells and gradient
// colour, in the given gradient style and look; every pixel a scale × scale block. Needs the application
// object.
QImage RenderBoard(const BoardHost& board, TMxGradientStyle style, BoardLook look, int scale);

extern const char kPngUsage[];
// moxel-board png [OPTIONS] FILE.qvx OUT.png; makes the application object itself.
int RunPngCommand(const QStringList& arguments);

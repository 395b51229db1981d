#pragma once

#include "buttongrid/mxbuttonpanel.h"

// The board as the main form holds it: MultiButton1 at (34, 78), 542 × 272, 450 cells of 18 × 18 in the
// explorer style over an elliptic gradient from light yellow to white. Built the way a stored form is
// read (items, sizes, style, bevel, fill and click handler while loading, then Loaded), so the background
// is rendered once and the buttons laid out once.
TMxButtonPanel* CreateBoardPanel(QWidget* parent, TMxButtonPanel::TMxBtnClickEvent onButtonClick = {});

// Cells before this one carry a 15-pixel font of their own; the rest show the panel's 12-pixel font.
constexpr int kBoardLargeFontCells = 299;

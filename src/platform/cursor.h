#pragma once

class QWidget;

// A cursor as the stored layout names it: the platform's cursor numbers.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;

// Shows `cursor` over widget; crDefault follows the parent's cursor, unknown numbers show the arrow.
void applyCursor(QWidget& widget, TCursor cursor);

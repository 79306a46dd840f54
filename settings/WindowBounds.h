#pragma once
// The window rectangle remembered in "LastSession" comes from a file anyone
// can edit: before a window is made from it, it is brought onto a screen.
#include <QList>
#include <QRect>

// Places the remembered rectangle inside the work area of the screen that
// holds most of it, or of the first area (the primary screen) when it is on
// none: never larger than that area, never off every screen. A width or height
// of 0 or less takes the default size (300 x 200). Computed without overflow
// for any int values. Empty areas count as none; with none at all the window
// goes to 0,0 with a positive size.
QRect ClampWindowBounds(int left, int top, int width, int height, const QList<QRect> &workAreas);

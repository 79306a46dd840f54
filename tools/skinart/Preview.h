#pragma once
// A mock of the main window drawn from a skin's ini and pictures, for looking
// at the artwork while it is being drawn. It is not the program's skin loader.
#include "tools/skinart/Art.h"

#include <QSize>

QImage RenderPreview(const QString &iniText, const SkinImages &images, QSize size, bool showPlaylist);
// Several window sizes plus every button sheet at 1x, on one picture.
QImage RenderSheet(const QString &iniText, const SkinImages &images);

#pragma once
// The pictures of the two built-in skins. Sizes and positions here match the
// keys of assets/skins/<name>/skin.ini; the generator checks every guide list
// of the ini against the pictures before it writes them.
#include "tools/skinart/Art.h"

SkinImages DrawDefaultSkin();
SkinImages DrawZe6ZoSkin();

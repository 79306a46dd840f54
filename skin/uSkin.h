#pragma once
// The skins: the skin loader, the skin control set with its list of skins and
// the skin load (chief header of skin/).
#include "skin/SkinControls.h"
#include "skin/SkinList.h"
#include "skin/SkinLoader.h"

#pragma once
// Skin archives.
#include "skin/ZipFile.h"

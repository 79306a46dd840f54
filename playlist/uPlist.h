#pragma once
// The playlist unit: the selection list and the playlist built on it.
#include "playlist/ZorviPlaylist.h"

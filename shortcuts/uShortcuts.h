#pragma once
// Shortcuts: the shortcut code, its names, the keys it is made from, and the bindings.
#include "shortcuts/KeyNames.h"
#include "shortcuts/ShortcutCode.h"
#include "shortcuts/ShortcutList.h"
#include "shortcuts/VirtualKeys.h"

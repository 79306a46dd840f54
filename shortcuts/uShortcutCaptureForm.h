#pragma once
// The shortcut capture dialog.
#include "shortcuts/ShortcutCaptureForm.h"

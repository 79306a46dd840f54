#pragma once
// The options dialog and its texts.
#include "settings/OptionsEngine.h"
#include "settings/OptionsForm.h"
#include "settings/OptionsFormText.h"

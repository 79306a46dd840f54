#pragma once
// The options dialog and its texts.
#include "options/OptionsEngine.h"
#include "options/OptionsForm.h"
#include "options/OptionsFormText.h"

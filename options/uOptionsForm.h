#pragma once
// The options dialog and what it asks of the engine.
#include "options/OptionsEngine.h"
#include "options/OptionsForm.h"

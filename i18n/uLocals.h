#pragma once
// Localization: language files, the UI texts in use, the built-in English.
#include "i18n/Localization.h"

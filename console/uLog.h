#pragma once
// The log and console window.
#include "console/LogForm.h"

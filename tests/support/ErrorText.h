#pragma once
// Kept for tests written before it moved: ErrorText is in support/ReportCapture.h.
#include "support/ReportCapture.h"

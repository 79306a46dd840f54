#pragma once
// The skinned controls from which every skin builds the main window's chrome.
#include "controls/WindowResize.h"
#include "controls/ZorviButton.h"
#include "controls/ZorviControl.h"
#include "controls/ZorviImage.h"
#include "controls/ZorviLabel.h"
#include "controls/ZorviLayout.h"
#include "controls/ZorviListBox.h"
#include "controls/ZorviPanel.h"
#include "controls/ZorviSizeGrip.h"
#include "controls/ZorviTrackbar.h"

#pragma once
// The engine link.
#include "engine/EngineCore.h"

// Compiled into each program with the symbol of its one tool, so every
// program carries exactly one ToolDef.
#include "engine/tool_def.h"

#ifndef PERAVIN_TOOL_SYMBOL
#define PERAVIN_TOOL_SYMBOL kPeravinTool
#endif

extern const ToolDef PERAVIN_TOOL_SYMBOL;

const ToolDef& ConfiguredTool() { return PERAVIN_TOOL_SYMBOL; }

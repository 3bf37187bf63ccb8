// What a tool's window must be, as the program computes it: its tool (by
// its caption) and its layout on this screen. The driver checks the window
// against these properties, never against copied pixel numbers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/tool_def.h"
#include "shell/tool_layout.h"
#include "tests/driver/driver.h"

// The catalogue's tool whose title the window's caption is; null for none.
const ToolDef* ToolOfWindow(const App& app);
// The catalogue's tool of a program name; null for none.
const ToolDef* ToolOfProgram(const char* program);

// The layout the tool's window has on this screen.
ToolLayout LayoutOfWindow(const App& app, const ToolDef& tool);

RECT RectOf(const Box& box);
// Where the control lies in its parent's client area.
RECT ControlRect(HWND parent, HWND control);

// Puts every number box of the tool back to its default, as the self-test
// reads it (a patient's measurement opens empty, today's date as today).
void TypeDefaults(const App& app, const ToolDef& tool);

// What the calculation gives for these inputs (one per input).
const CalculationResult& CalculationOf(const ToolDef& tool, const double* inputs);
// ... for the defaults, as the self-test calculates.
const CalculationResult& DefaultCalculationOf(const ToolDef& tool);

// Choice c of a choice input, as its list or check box shows it.
std::wstring ChoiceEntry(const InputField& input, int c);

// Chooses entry index of a drop-down list with the mouse: a click drops the
// list, a click on the entry takes it. False when the list did not drop.
bool ChooseWithMouse(const App& app, HWND list, int index);

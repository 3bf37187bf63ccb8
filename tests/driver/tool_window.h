// What a tool's window must be, as the program computes it: its tool (by its
// caption), its layout on this screen, what the calculation gives. The cases
// check the window against these properties, never against copied pixel
// numbers or texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/tool_def.h"
#include "shell/tool_layout.h"
#include "tests/driver/driver_case.h"

// The catalogue's tool whose title the window's caption is, or Peravin.
const ToolDef& ToolOfWindow(const App& app);
inline const ToolDef& Tool(const CaseContext& c) { return ToolOfWindow(c.app); }
// The catalogue's tool of a program name; null for none.
const ToolDef* ToolOfProgram(const char* program);
// The layout the tool's window has on this screen.
ToolLayout LayoutOf(const ToolDef& tool);

RECT RectOf(const Box& box);
bool Inside(const RECT& inner, const RECT& outer);

// The window's client area is of this size, the window inside the work area
// and centred in it (never past its left edge), and sizing leaves it as it is.
void ExpectFramed(CaseContext& c, int clientWidth, int clientHeight);

// The verdict label of a tool's window, where its layout puts it.
HWND FindVerdictLabel(const App& app);

// The tool's defaults, one per input and zeros up to kMaxInputs.
std::vector<double> Defaults(const ToolDef& tool);
// Puts every number box of the tool back to its default, as the self-test
// reads it (a patient's measurement opens empty, today's date as today).
void TypeDefaults(const App& app, const ToolDef& tool);
// What the calculation gives for these inputs (one per input).
const CalculationResult& CalculationOf(const ToolDef& tool, const double* inputs);

// Choice c of a choice input, as its list or check box shows it.
std::wstring ChoiceEntry(const InputField& input, int c);
// Chooses entry index of a drop-down list with the mouse: a click drops the
// list, a click on the entry takes it. False when the list did not drop.
bool ChooseWithMouse(const App& app, HWND list, int index);

// A click on the control of that id, a key, keys held together; each waits
// until the program has handled it.
void ClickAndSettle(CaseContext& c, int id);
void PressAndSettle(CaseContext& c, UINT key);
void ChordAndSettle(CaseContext& c, const std::vector<UINT>& keys);

// The status line in the footer shows exactly this text: in a window's
// status box drawn in its small font, or in a tool's.
bool ExpectStatusLine(CaseContext& c, const Box& status, int smallFont, const wchar_t* text);
bool ExpectStatusLine(CaseContext& c, const wchar_t* text);
// The verdict label is drawn in colour, and nowhere in otherColour.
void ExpectVerdictColour(CaseContext& c, COLORREF colour, COLORREF otherColour);
// The result box and the verdict show what the calculation gives for the
// values, in the colour of its level, or dimmed once the inputs changed.
void ExpectShows(CaseContext& c, const std::vector<double>& values, const char* when = "", bool dimmed = false);

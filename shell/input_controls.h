// Each input's control in the window, by its kind: a number box, a drop-down
// list of its choices, a check box for a yes/no item, or a checklist. They
// keep the input's control id, so whatever finds a control by its input
// finds it whatever it is.
#pragma once

#include <windows.h>

#include "shell/input_reading.h"
#include "shell/shell_state.h"

// Creates the row of input index: its label, its control and, for a number,
// its unit.
void CreateInputRow(ShellState& shell, int index);

// Puts in the control what the window opens with and a reset restores: the
// default, today's date for a part of it, and nothing for a measurement of
// the patient, which the user must enter.
void ShowStartingValue(const ShellState& shell, int index);

// Reads the control: a box as the user typed it (which may be refused), a
// choice as its selected value (never refused), a checklist as the sum of
// its checked items, which checked receives (kMaxInputChoices).
InputProblem ReadInputControl(const ShellState& shell, int index, double* value, bool* checked);

// Whether this notification from control id says the user changed an input.
bool IsInputChange(const ShellState& shell, int id, int code);

// The checklist's items are drawn by the window; their height.
void MeasureChecklistItem(const ShellState& shell, MEASUREITEMSTRUCT* item);

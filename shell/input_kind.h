// Which control an input gets in the window. Portable, so the layout and
// its tests know it too.
#pragma once

#include "engine/tool_def.h"

enum InputKind {
    InputNumberBox,  // an edit box for a number
    InputDropDown,   // a drop-down list of the choices (shell/choice_list)
    InputCheckBox,   // a yes/no item: one click, checked is the second choice
    InputChecklist,  // any number of the choices checked, in one scrolling list
};

// A choice of exactly two whose first is "否" or "无" and second "是" or "有"
// reads and clicks best as a check box; every other choice input is a list.
InputKind KindOfInput(const InputField& input);

// A scored item (unit 分) shows each choice's points in its entry, so its
// unit needs no label of its own.
bool IsScoredInput(const InputField& input);

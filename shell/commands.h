// What the user can do in the main window. Each command works on CurrentShell().
#pragma once

void OnCalculate();
// An input's control says the user changed it: a result on screen now
// belongs to earlier inputs.
void OnInputChanged();
void OnCopyResult();
void OnReset();
void OnAbout();
void OnSaveRecord();

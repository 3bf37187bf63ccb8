// What the user can do in the main window. Each command works on CurrentShell().
#pragma once

void OnCalculate();
void OnCopyResult();
void OnReset();
void OnAbout();
void OnSaveRecord();

#include "shell/commands.h"

// Placeholders until the window's commands land.
void OnCalculate() {}
void OnCopyResult() {}
void OnReset() {}
void OnAbout() {}

#include "shell/commands.h"

// Placeholder until the record log lands.
void OnSaveRecord() {}

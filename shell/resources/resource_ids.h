// Resource ids shared by the resource script and the code that loads them.
#pragma once

// The program's icon: the window class's icon and the one Explorer shows.
#define IDI_TOOL_ICON 1

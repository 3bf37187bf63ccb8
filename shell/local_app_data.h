// The per-user local application-data folder, where the record log lives.
#pragma once

// Fills base (kBaseFolderCapacity characters) with the folder's path.
// False when Windows cannot tell it.
bool ReadLocalAppDataFolder(wchar_t* base);

// The per-user local application-data folder, where the suite keeps what it
// stores for the user (the records, the tools opened last).
#pragma once

// As SHGetFolderPathW hands it over: MAX_PATH characters.
constexpr int kLocalAppDataCapacity = 260;

// Fills base (kLocalAppDataCapacity); empty when Windows cannot tell it.
void ReadLocalAppDataFolder(wchar_t* base);

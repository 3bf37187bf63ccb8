#include "shell/local_app_data.h"

#include <windows.h>
#include <shlobj.h>

void ReadLocalAppDataFolder(wchar_t* base) {
    base[0] = L'\0';
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base))) base[0] = L'\0';
}

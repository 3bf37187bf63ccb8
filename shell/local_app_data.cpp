// Apart from the shell state: <shlobj.h> declares a COM class named Shell.
#include "shell/local_app_data.h"

#include <windows.h>
#include <shlobj.h>

bool ReadLocalAppDataFolder(wchar_t* base) {
    base[0] = L'\0';
    HRESULT found = SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base);
    return SUCCEEDED(found) && base[0] != L'\0';
}

// The yardstick for the self-test's start-up cost: a Windows program built
// like Peravin.exe that only writes a small file and ends.
#include <windows.h>

#include <cstdio>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    FILE* file = _wfopen(L"minimal.txt", L"wb");
    if (!file) return 1;
    std::fputs("TOOL|0|minimal\r\n", file);
    std::fclose(file);
    return 0;
}

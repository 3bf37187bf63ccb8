// The self-test of every program of the suite that lies beside the launcher; its exit code.
#pragma once

int RunSuiteSelfTest(const wchar_t* commandLine);

// Where a program of the suite lies: beside the one that is running.
// Portable, so the path arithmetic is tested natively.
#pragma once

// Windows' own limit for a path that programs may start.
constexpr int kProgramPathCapacity = 32768;

// Writes the folder of ownPath (through its last "\" or "/"; none when it
// has neither) followed by program and ".exe". False, with out empty, when
// the whole path does not fit in capacity characters.
bool SiblingProgramPath(const wchar_t* ownPath, const char* program, wchar_t* out, int capacity);

// File states and helper processes for the record file tests, on either
// platform. Paths are written with backslashes, as the record log builds
// them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// The path as this platform's file system reads it.
std::filesystem::path FsPath(const std::wstring& path);

bool PathExists(const std::wstring& path);
bool IsDirectory(const std::wstring& path);

// Removes a file or a whole folder; read-only files included.
void RemovePath(const std::wstring& path);
void MakeDirectories(const std::wstring& path);
void MakeReadOnly(const std::wstring& path);

// Opens the file for reading and lets nobody else write it, as a
// spreadsheet does with the file it shows; 0 where files cannot be shared
// out like that (Linux).
intptr_t OpenLikeSpreadsheet(const std::wstring& path);
void CloseHeldFile(intptr_t handle);

// Starts this test program again with the arguments; returns a handle.
intptr_t StartSelf(const std::wstring& arguments);
// Waits for a process from StartSelf and returns its exit code.
int WaitForExit(intptr_t handle);

void SleepMilliseconds(int milliseconds);

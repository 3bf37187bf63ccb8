// The file-system services of the record log, one implementation per
// platform. Several copies of the program may save into the same file at
// once, so a new file appears whole and every append is one write.
#pragma once

// Creates one directory; one that exists already is no error.
void MakeFolder(const wchar_t* path);

// True when path names an existing directory.
bool IsFolder(const wchar_t* path);

// True when the file at path can be opened for reading.
bool FileReadable(const wchar_t* path);

enum NewFileResult {
    NewFileCreated,
    NewFileExisted,  // someone else's file is there; nothing was written
    NewFileFailed,
};

// Makes path a new file holding exactly these bytes, unless a file of that
// name exists: the bytes are written to a private file first and put in
// place only if the name is still free, so no reader and no appender ever
// sees the new file without them.
NewFileResult CreateFileWith(const wchar_t* path, const char* bytes, int count);

enum AppendResult {
    AppendDone,
    // Another program holds the file open and lets nobody write it, as a
    // spreadsheet does with the file it shows; nothing was written, and the
    // same append may succeed once that program lets go.
    AppendFileBusy,
    AppendFailed,
};

// Appends the bytes to the existing file at path in one write at its end,
// under a lock where the file system alone would not keep two appends
// apart. Fails when the file cannot be opened for appending, is marked
// read-only, or not every byte is written.
AppendResult AppendToFile(const wchar_t* path, const char* bytes, int count);

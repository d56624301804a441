// Deleting a student project's folder, and deciding whether it may go.
//
// Removal deletes folders from disk, so both functions are written to fail
// safe: the deletion never leaves the folder it was given, and only
// folders that an import made are handed to it.
#pragma once

#include <string>

// Deletes folder with everything in it: read-only entries are made
// writable first; a symbolic link inside is removed as a link, never
// followed. Refuses (deleting nothing) an empty path, a folder that is
// itself a link, "/", the user's home folder and every folder above it.
// True when the folder is gone. Other failures leave what could not be
// deleted.
bool DeleteFolderTree(const std::wstring& folder);

// True when folder is, or lies inside, a folder that an import unpacked an
// archive into: some folder D on the way from folder up to "/" has the
// archive beside it, a regular file named D's name + ".zip", ".rar" or
// ".7z" (any case).
// Imports never delete their archives, so the test holds across runs.
bool IsImportedProjectFolder(const std::wstring& folder);

// Unpacking rar (4 and 5) and 7z archives through libarchive, under the
// rules of ArchiveUnpack.h. libarchive only reads; every folder and file is
// made here, through the same link-safe walk as the zip extraction, so no
// entry can reach outside the folder whatever libarchive hands over.
#pragma once

#include <string>

#include "archive/ArchiveUnpack.h"

// Unpacks into folder (which must exist), filling result's status and
// refused entries.
void UnpackWithLibArchive(const std::wstring& archivePath, const std::wstring& folder,
                          const CArchiveLimits& limits, CArchiveUnpackResult& result);

// The archive calls: handle checks around the reader and the extractor.
#include "archive/ZipArchive.h"

#include "archive/ZipExtractor.h"
#include "archive/ZipHandleData.h"
#include "archive/ZipNames.h"

namespace {

ZipResult CheckHandle(ZipHandle handle)
{
    if (!handle)
        return ZipResult::BadArgument;
    if (handle->m_kind != kZipKindRead || !handle->m_reader)
        return ZipResult::WrongHandle;
    return ZipResult::Ok;
}

}  // namespace

ZipHandle ZipOpenFile(const wchar_t* path)
{
    if (!path || !*path)
        return nullptr;
    std::unique_ptr<CZipReader> reader = CZipReader::Open(path);
    if (!reader)
        return nullptr;
    ZipHandle handle = new CZipHandleData;
    handle->m_kind = kZipKindRead;
    handle->m_reader = std::move(reader);
    return handle;
}

ZipResult ZipGetEntry(ZipHandle handle, int index, ZipEntry* entry)
{
    ZipResult checked = CheckHandle(handle);
    if (checked != ZipResult::Ok)
        return checked;
    if (!entry)
        return ZipResult::BadArgument;
    return handle->m_reader->Describe(index, *entry);
}

ZipResult ZipExtractEntry(ZipHandle handle, int index, const wchar_t* destPath)
{
    ZipResult checked = CheckHandle(handle);
    if (checked != ZipResult::Ok)
        return checked;
    if (index < 0 || index >= handle->m_reader->EntryCount())
        return ZipResult::BadArgument;
    if (!destPath)
        return ZipResult::CannotOpenFile;
    return CZipExtractor(*handle->m_reader).ExtractTo(index, destPath);
}

ZipResult ZipExtractEntryUnder(ZipHandle handle, int index, const wchar_t* folder)
{
    ZipResult checked = CheckHandle(handle);
    if (checked != ZipResult::Ok)
        return checked;
    if (index < 0 || index >= handle->m_reader->EntryCount())
        return ZipResult::BadArgument;
    if (!folder)
        return ZipResult::CannotOpenFile;
    return CZipExtractor(*handle->m_reader).ExtractUnder(index, folder);
}

bool ZipIsSafeEntryName(const wchar_t* name)
{
    return name && ZipNames::IsSafe(name);
}

ZipResult ZipClose(ZipHandle handle)
{
    ZipResult checked = CheckHandle(handle);
    if (checked != ZipResult::Ok)
        return checked;
    handle->m_kind = 0;
    delete handle;
    return ZipResult::Ok;
}

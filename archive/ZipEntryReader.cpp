// Entry data in chunks: copy or raw inflate, CRC-32, declared-size bound;
// small deflated entries inflated whole.
#include "archive/ZipEntryReader.h"

#include <libdeflate.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "archive/ZipCentralRecord.h"
#include "archive/ZipFile.h"

CZipEntryReader::CZipEntryReader()
    : m_file(nullptr), m_open(false), m_inflating(false), m_stopped(false), m_method(0), m_inputOffset(0),
      m_inputAvailable(0), m_nextPosition(0), m_remainingIn(0), m_remainingOut(0), m_crc(0), m_storedCrc(0)
{
    memset(&m_stream, 0, sizeof m_stream);
}

CZipEntryReader::~CZipEntryReader()
{
    if (m_inflating)
        inflateEnd(&m_stream);
}

bool CZipEntryReader::Open(CZipFile& file, const CZipCentralRecord& record, uint64_t prefixLength)
{
    uint64_t extraPosition, dataPosition;
    uint16_t extraLength;
    if (!record.CheckLocalHeader(file, prefixLength, extraPosition, extraLength, dataPosition))
        return false;
    m_file = &file;
    m_method = record.m_method;
    m_input.resize(kChunk);
    m_nextPosition = dataPosition;
    m_remainingIn = record.m_compressedSize;
    m_remainingOut = record.m_uncompressedSize;
    m_storedCrc = record.m_crc;
    m_crc = (uint32_t)crc32(0L, Z_NULL, 0);
    if (m_method == 8) {
        // Raw deflate: no zlib header or trailer.
        if (inflateInit2(&m_stream, -MAX_WBITS) != Z_OK)
            return false;
        m_inflating = true;
    }
    m_open = true;
    return true;
}

bool CZipEntryReader::Refill()
{
    size_t chunk = std::min<size_t>(kChunk, m_remainingIn);
    if (!m_file->ReadAt(m_nextPosition, m_input.data(), chunk))
        return false;
    m_nextPosition += chunk;
    m_remainingIn -= (uint32_t)chunk;
    m_inputOffset = 0;
    m_inputAvailable = chunk;
    return true;
}

int CZipEntryReader::Read(char* buffer, unsigned size)
{
    if (!m_open)
        return -1;
    size = std::min<unsigned>(size, INT_MAX);
    unsigned room = std::min(size, m_remainingOut);
    unsigned produced = 0;
    while (room > 0 && !m_stopped) {
        if (m_inputAvailable == 0 && m_remainingIn > 0) {
            if (!Refill())
                return -1;
        }
        if (m_method == 0) {
            unsigned n = (unsigned)std::min<size_t>(room, m_inputAvailable);
            if (n == 0)
                break;  // the stored data ends before its declared size
            memcpy(buffer + produced, m_input.data() + m_inputOffset, n);
            m_inputOffset += n;
            m_inputAvailable -= n;
            produced += n;
            room -= n;
        } else {
            m_stream.next_in = m_input.data() + m_inputOffset;
            m_stream.avail_in = (uInt)m_inputAvailable;
            m_stream.next_out = (Bytef*)buffer + produced;
            m_stream.avail_out = room;
            int status = inflate(&m_stream, Z_SYNC_FLUSH);
            size_t used = m_inputAvailable - m_stream.avail_in;
            m_inputOffset += used;
            m_inputAvailable -= used;
            unsigned made = room - m_stream.avail_out;
            produced += made;
            room -= made;
            // A stream that ended, failed, or can make no progress (no input
            // left) yields nothing more: its entry is short.
            if (status != Z_OK)
                m_stopped = true;
        }
    }
    m_crc = (uint32_t)crc32(m_crc, (const Bytef*)buffer, produced);
    m_remainingOut -= produced;
    return (int)produced;
}

bool CZipEntryReader::InflateWhole(std::unique_ptr<char[]>& data, size_t& size)
{
    if (!m_open || m_method != 8 || m_stopped || m_remainingOut == 0 || m_remainingOut >= kWholeLimit ||
        m_remainingIn > kWholeLimit || m_inputAvailable != 0 || m_nextPosition > m_file->Size() ||
        m_remainingIn > m_file->Size() - m_nextPosition)
        return false;
    std::unique_ptr<unsigned char[]> input(new unsigned char[m_remainingIn + 1]);
    if (!m_file->ReadAt(m_nextPosition, input.get(), m_remainingIn))
        return false;
    std::unique_ptr<char[]> output(new char[m_remainingOut]);
    libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
    if (!decompressor)
        return false;
    size_t produced = 0;
    libdeflate_result result = libdeflate_deflate_decompress(decompressor, input.get(), m_remainingIn, output.get(),
                                                             m_remainingOut, &produced);
    libdeflate_free_decompressor(decompressor);
    // Bad data or a stream longer than declared: the streaming inflate
    // decides what of it is written.
    if (result != LIBDEFLATE_SUCCESS)
        return false;
    m_crc = (uint32_t)crc32(m_crc, (const Bytef*)output.get(), (uInt)produced);
    m_remainingOut -= (uint32_t)produced;
    m_nextPosition += m_remainingIn;
    m_remainingIn = 0;
    m_stopped = true;
    data = std::move(output);
    size = produced;
    return true;
}

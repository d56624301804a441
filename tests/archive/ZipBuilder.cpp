#include "tests/archive/ZipBuilder.h"

#include <zlib.h>

namespace ziptest {

namespace {

void Put16(std::string& out, uint32_t v)
{
    out += (char)(v & 0xFF);
    out += (char)(v >> 8 & 0xFF);
}

void Put32(std::string& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::string Deflate(const std::string& data)
{
    z_stream stream = {};
    deflateInit2(&stream, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, data.size()) + 16, '\0');
    stream.next_in = (Bytef*)data.data();
    stream.avail_in = (uInt)data.size();
    stream.next_out = (Bytef*)&out[0];
    stream.avail_out = (uInt)out.size();
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

uint32_t Crc32(const std::string& data)
{
    return (uint32_t)crc32(0L, (const Bytef*)data.data(), (uInt)data.size());
}

uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second)
{
    uint32_t date = (uint32_t)((year - 1980) << 9 | month << 5 | day);
    uint32_t time = (uint32_t)(hour << 11 | minute << 5 | second / 2);
    return date << 16 | time;
}

std::string ExtendedTimestamp(uint8_t flags, const std::vector<uint32_t>& times)
{
    std::string block = "UT";
    Put16(block, (uint32_t)(1 + 4 * times.size()));
    block += (char)flags;
    for (uint32_t t : times)
        Put32(block, t);
    return block;
}

std::string CZipBuilder::Build(const std::string& prefix, const std::string& comment) const
{
    std::string body;
    std::string directory;
    for (const CBuilderEntry& e : m_entries) {
        std::string stored = e.overrideStored ? e.stored : e.method == 8 ? Deflate(e.data) : e.data;
        uint32_t crc = e.overrideCrc ? e.crc : Crc32(e.data);
        uint32_t size = e.overrideSize ? e.uncompressedSize : (uint32_t)e.data.size();
        uint32_t offset = (uint32_t)body.size();
        uint16_t flags = (uint16_t)(e.flags | (e.descriptor ? 0x0008 : 0));
        // Local header.
        Put32(body, 0x04034B50);
        Put16(body, 20);
        Put16(body, flags);
        Put16(body, e.method);
        Put32(body, e.dosDateTime);
        Put32(body, e.descriptor ? 0 : crc);
        Put32(body, e.descriptor ? 0 : (uint32_t)stored.size());
        Put32(body, e.descriptor ? 0 : size);
        Put16(body, (uint32_t)e.name.size());
        Put16(body, (uint32_t)e.localExtra.size());
        body += e.name;
        body += e.localExtra;
        body += stored;
        if (e.descriptor) {
            Put32(body, 0x08074B50);
            Put32(body, crc);
            Put32(body, (uint32_t)stored.size());
            Put32(body, size);
        }
        // Central record.
        Put32(directory, 0x02014B50);
        Put16(directory, e.versionMadeBy);
        Put16(directory, 20);
        Put16(directory, flags);
        Put16(directory, e.method);
        Put32(directory, e.dosDateTime);
        Put32(directory, crc);
        Put32(directory, (uint32_t)stored.size());
        Put32(directory, size);
        Put16(directory, (uint32_t)e.name.size());
        Put16(directory, (uint32_t)e.centralExtra.size());
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put32(directory, e.external);
        Put32(directory, offset);
        directory += e.name;
        directory += e.centralExtra;
    }
    m_directoryOffset = body.size();
    std::string out = prefix + body + directory;
    Put32(out, 0x06054B50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, (uint32_t)m_entries.size());
    Put16(out, (uint32_t)m_entries.size());
    Put32(out, (uint32_t)directory.size());
    Put32(out, (uint32_t)body.size());
    Put16(out, (uint32_t)comment.size());
    out += comment;
    return out;
}

}  // namespace ziptest

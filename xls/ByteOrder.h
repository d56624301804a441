// Little-endian integer and double access for the workbook file formats.
// Both the record layer and the container store every number little-endian,
// whatever the machine's byte order.
#pragma once

#include <cstdint>
#include <cstring>

namespace XlsBytes {

inline void Put8(uint8_t* p, uint8_t v)
{
    p[0] = v;
}

inline void Put16(uint8_t* p, uint16_t v)
{
    p[0] = (uint8_t)v;
    p[1] = (uint8_t)(v >> 8);
}

inline void Put32(uint8_t* p, uint32_t v)
{
    p[0] = (uint8_t)v;
    p[1] = (uint8_t)(v >> 8);
    p[2] = (uint8_t)(v >> 16);
    p[3] = (uint8_t)(v >> 24);
}

inline void PutDouble(uint8_t* p, double v)
{
    uint64_t bits;
    memcpy(&bits, &v, sizeof bits);
    Put32(p, (uint32_t)bits);
    Put32(p + 4, (uint32_t)(bits >> 32));
}

inline uint16_t Get16(const uint8_t* p)
{
    return (uint16_t)(p[0] | p[1] << 8);
}

inline uint32_t Get32(const uint8_t* p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

inline double GetDouble(const uint8_t* p)
{
    uint64_t bits = (uint64_t)Get32(p) | (uint64_t)Get32(p + 4) << 32;
    double v;
    memcpy(&v, &bits, sizeof v);
    return v;
}

}  // namespace XlsBytes

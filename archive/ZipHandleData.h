// What a ZipHandle points to: a kind tag and the reader it owns. Only the
// archive library (and its tests) look inside.
#pragma once

#include <cstdint>
#include <memory>

#include "archive/ZipReader.h"

const uint32_t kZipKindRead = 1;

struct CZipHandleData {
    uint32_t m_kind;
    std::unique_ptr<CZipReader> m_reader;
};

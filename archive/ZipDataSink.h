// Where an entry's data goes while it is extracted.
#pragma once

#include <cstddef>

class CZipDataSink {
public:
    virtual ~CZipDataSink() {}
    // False stops the extraction as a write failure.
    virtual bool Write(const char* data, size_t size) = 0;
};

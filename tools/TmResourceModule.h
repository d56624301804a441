// The resources of a program module: pictures and other data a program
// registers under a numeric identifier and a type text ("GIF", "JPG"), for
// the picture loaders to find. It is the "module instance" those loaders
// take.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "TmToolsApi.h"

class TMTOOLS_API CTmResourceModule {
public:
    CTmResourceModule();
    ~CTmResourceModule();

    // Registers a copy of the size bytes at data as resource id of type
    // (any case); an earlier resource of that id and type is replaced.
    void AddResource(unsigned int id, const std::wstring& type, const void* data, std::size_t size);
    // Forgets a resource; false if there is none.
    bool RemoveResource(unsigned int id, const std::wstring& type);
    // The bytes of resource id of type (any case), or null.
    const std::vector<unsigned char>* FindResource(unsigned int id, const std::wstring& type) const;

private:
    typedef std::pair<unsigned int, std::wstring> Key;
    std::map<Key, std::vector<unsigned char>> m_resources;
};

// CTmResourceModule: a map from (identifier, upper-cased type) to bytes.
#include "tools/TmResourceModule.h"

#include <cwctype>

namespace {

// Resource types compare without regard to case, as "gif" and "GIF" name
// the same type.
std::wstring TypeKey(const std::wstring& type)
{
    std::wstring key(type);
    for (wchar_t& c : key)
        c = wchar_t(std::towupper(wint_t(c)));
    return key;
}

}  // namespace

CTmResourceModule::CTmResourceModule() {}

CTmResourceModule::~CTmResourceModule() {}

void CTmResourceModule::AddResource(unsigned int id, const std::wstring& type, const void* data, std::size_t size)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    std::vector<unsigned char>& stored = m_resources[Key(id, TypeKey(type))];
    if (bytes && size)
        stored.assign(bytes, bytes + size);
    else
        stored.clear();
}

bool CTmResourceModule::RemoveResource(unsigned int id, const std::wstring& type)
{
    return m_resources.erase(Key(id, TypeKey(type))) > 0;
}

const std::vector<unsigned char>* CTmResourceModule::FindResource(unsigned int id, const std::wstring& type) const
{
    auto it = m_resources.find(Key(id, TypeKey(type)));
    return it == m_resources.end() ? nullptr : &it->second;
}

#include "res/ResourceModule.h"

namespace
{
const WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

BOOL CALLBACK AddType(HMODULE, LPWSTR type, LONG_PTR list)
{
    // A named type shows as 0xFFFF, which no expected list holds.
    reinterpret_cast<std::vector<WORD>*>(list)->push_back(IS_INTRESOURCE(type) ? LOWORD(type) : 0xFFFF);
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list)
{
    reinterpret_cast<std::vector<WORD>*>(list)->push_back(IS_INTRESOURCE(name) ? LOWORD(name) : 0xFFFF);
    return TRUE;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list)
{
    reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
    return TRUE;
}
} // namespace

ResourceModule::ResourceModule(const char* unixPath)
    : m_hModule(LoadLibraryExW(WindowsPath(unixPath).c_str(), NULL,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
{
}

ResourceModule::~ResourceModule()
{
    if (m_hModule)
        FreeLibrary(m_hModule);
}

std::vector<BYTE> ResourceModule::Load(LPCWSTR type, WORD id) const
{
    HRSRC hRes = FindResourceExW(m_hModule, type, MAKEINTRESOURCEW(id), kUsEnglish);
    if (!hRes)
        return {};
    HGLOBAL hData = LoadResource(m_hModule, hRes);
    const BYTE* data = hData ? static_cast<const BYTE*>(LockResource(hData)) : nullptr;
    if (!data)
        return {};
    return std::vector<BYTE>(data, data + SizeofResource(m_hModule, hRes));
}

std::vector<WORD> ResourceModule::Types() const
{
    std::vector<WORD> types;
    EnumResourceTypesW(m_hModule, AddType, reinterpret_cast<LONG_PTR>(&types));
    return types;
}

std::vector<WORD> ResourceModule::Ids(LPCWSTR type) const
{
    std::vector<WORD> ids;
    EnumResourceNamesW(m_hModule, type, AddName, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

std::vector<WORD> ResourceModule::Languages(LPCWSTR type, WORD id) const
{
    std::vector<WORD> languages;
    EnumResourceLanguagesW(m_hModule, type, MAKEINTRESOURCEW(id), AddLanguage, reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

// An extended dialog template (DIALOGEX) read field by field from its resource bytes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A name-or-number field: a number when `ordinal` is set, otherwise the string.
struct NameOrOrdinal
{
    bool ordinal;
    WORD number;
    std::wstring name;
};

struct DialogItem
{
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
    DWORD id;
    NameOrOrdinal windowClass;
    NameOrOrdinal text;
    WORD extraBytes;
};

struct DialogTemplate
{
    WORD version;
    WORD signature;
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    WORD itemCount;
    short x, y, cx, cy;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring caption;
    WORD pointSize;
    WORD weight;
    BYTE italic;
    BYTE charset;
    std::wstring typeface;
    std::vector<DialogItem> items;
};

// Returns false if the bytes end early or are left over.
bool ParseDialogTemplate(const std::vector<BYTE>& data, DialogTemplate& out);

#include "res/DialogTemplate.h"

#include "res/ByteReader.h"

namespace
{
// 0x0000: none; 0xFFFF then a number; otherwise a zero-terminated string.
NameOrOrdinal ReadNameOrOrdinal(ByteReader& in)
{
    NameOrOrdinal field = {false, 0, L""};
    WORD first = in.Word();
    if (first == 0xFFFF)
    {
        field.ordinal = true;
        field.number = in.Word();
    }
    else if (first != 0)
    {
        field.name = std::wstring(1, wchar_t(first)) + in.String();
    }
    return field;
}
} // namespace

bool ParseDialogTemplate(const std::vector<BYTE>& data, DialogTemplate& out)
{
    out = DialogTemplate();
    ByteReader in(data.data(), data.size());
    out.version = in.Word();
    out.signature = in.Word();
    out.helpId = in.Dword();
    out.exStyle = in.Dword();
    out.style = in.Dword();
    out.itemCount = in.Word();
    out.x = short(in.Word());
    out.y = short(in.Word());
    out.cx = short(in.Word());
    out.cy = short(in.Word());
    out.menu = ReadNameOrOrdinal(in);
    out.windowClass = ReadNameOrOrdinal(in);
    out.caption = in.String();
    if (out.style & (DS_SETFONT | DS_SHELLFONT))
    {
        out.pointSize = in.Word();
        out.weight = in.Word();
        out.italic = in.Byte();
        out.charset = in.Byte();
        out.typeface = in.String();
    }
    out.items.clear();
    for (WORD i = 0; i < out.itemCount && !in.Failed(); ++i)
    {
        DialogItem item;
        in.Align(4);
        item.helpId = in.Dword();
        item.exStyle = in.Dword();
        item.style = in.Dword();
        item.x = short(in.Word());
        item.y = short(in.Word());
        item.cx = short(in.Word());
        item.cy = short(in.Word());
        item.id = in.Dword();
        item.windowClass = ReadNameOrOrdinal(in);
        item.text = ReadNameOrOrdinal(in);
        item.extraBytes = in.Word();
        in.Skip(item.extraBytes);
        out.items.push_back(item);
    }
    return !in.Failed() && in.Offset() == data.size();
}

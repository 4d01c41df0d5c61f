#include "res/VersionNode.h"

#include "res/ByteReader.h"

std::wstring VersionNode::Text() const
{
    std::wstring text;
    for (size_t i = 0; i + 1 < value.size(); i += 2)
    {
        wchar_t c = wchar_t(value[i] | value[i + 1] << 8);
        if (c == 0)
            break;
        text += c;
    }
    return text;
}

bool ParseVersionNode(const BYTE* data, size_t size, VersionNode& out)
{
    ByteReader in(data, size);
    WORD length = in.Word();
    out.valueLength = in.Word();
    out.type = in.Word();
    out.key = in.String();
    in.Align(4);
    if (in.Failed() || length > size || length < in.Offset() || length < 6)
        return false;
    size_t valueBytes = out.type == 1 ? out.valueLength * 2u : out.valueLength;
    if (in.Offset() + valueBytes > length)
        return false;
    out.value.assign(data + in.Offset(), data + in.Offset() + valueBytes);
    in.Skip(valueBytes);
    out.children.clear();
    // Children start on 4-byte boundaries; the padding after the last one is not counted.
    while (in.Offset() < length)
    {
        in.Align(4);
        if (in.Offset() >= length)
            break;
        VersionNode child;
        if (in.Failed() || !ParseVersionNode(data + in.Offset(), length - in.Offset(), child))
            return false;
        WORD childLength = WORD(data[in.Offset()] | data[in.Offset() + 1] << 8);
        out.children.push_back(child);
        in.Skip(childLength);
    }
    // Only the padding after the last child may reach past the block.
    return in.Offset() >= length && in.Offset() < length + 4u;
}

#include "CFont.h"

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return Attach(::CreateFontIndirectW(lpLogFont));
}

CFont::operator HFONT() const
{
    return (HFONT)m_hObject;
}

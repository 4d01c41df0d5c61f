// An owned logical font.
#pragma once
#include "CGdiObject.h"

class CFont : public CGdiObject
{
public:
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    operator HFONT() const;
};

// An owned device-dependent bitmap.
#pragma once
#include "CGdiObject.h"

class CDC;

class CBitmap : public CGdiObject
{
public:
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    // Fills *pBitMap with the bitmap's description; returns the bytes written, 0 if none.
    int GetBitmap(BITMAP* pBitMap) const;
    operator HBITMAP() const;
};

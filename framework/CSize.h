// An extent: width in cx, height in cy.
#pragma once
#include <windows.h>

class CSize : public SIZE
{
public:
    CSize()
    {
        cx = 0;
        cy = 0;
    }
    CSize(int initCX, int initCY)
    {
        cx = initCX;
        cy = initCY;
    }
};

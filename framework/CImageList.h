// An owned common-controls image list.
#pragma once
#include <windows.h>

#include <commctrl.h>

class CImageList
{
public:
    CImageList();
    virtual ~CImageList();

    // Makes a new list, destroying any list held before.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL DeleteImageList();
    operator HIMAGELIST() const;

    HIMAGELIST m_hImageList;

private:
    CImageList(const CImageList&);
    void operator=(const CImageList&);
};

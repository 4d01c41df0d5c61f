#include "CImageList.h"

CImageList::CImageList()
    : m_hImageList(NULL)
{
}

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return m_hImageList != NULL;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    HIMAGELIST hImageList = m_hImageList;
    m_hImageList = NULL;
    return ImageList_Destroy(hImageList);
}

CImageList::operator HIMAGELIST() const
{
    return m_hImageList;
}

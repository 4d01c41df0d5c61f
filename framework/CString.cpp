#include "CString.h"

#include <stdarg.h>
#include <stdio.h>
#include <wchar.h>

#include "CWinApp.h"

CString::CString()
    : m_pchData(m_szInline),
      m_nLength(0),
      m_nCapacity(nInlineChars)
{
    m_szInline[0] = 0;
}

CString::CString(LPCTSTR psz)
    : CString()
{
    if (psz)
        Assign(psz, lstrlenW(psz));
}

CString::CString(const CString& src)
    : CString()
{
    Assign(src.m_pchData, src.m_nLength);
}

CString::~CString()
{
    if (m_pchData != m_szInline)
        HeapFree(GetProcessHeap(), 0, m_pchData);
}

const CString& CString::operator=(const CString& src)
{
    if (this != &src)
        Assign(src.m_pchData, src.m_nLength);
    return *this;
}

const CString& CString::operator=(LPCTSTR psz)
{
    Assign(psz ? psz : L"", psz ? lstrlenW(psz) : 0);
    return *this;
}

int CString::GetLength() const
{
    return m_nLength;
}

CString::operator LPCTSTR() const
{
    return m_pchData;
}

BOOL CString::LoadString(UINT nID)
{
    // A zero buffer size makes LoadStringW hand out a pointer into the resource
    // itself, so strings of any length load without a scratch buffer.
    LPCWSTR pRes = NULL;
    int n = ::LoadStringW(AfxGetResourceHandle(), nID, (LPWSTR)&pRes, 0);
    if (n <= 0 || !pRes)
    {
        Assign(L"", 0);
        return FALSE;
    }
    Assign(pRes, n);
    return m_nLength == n;
}

void CString::Format(LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list sizing;
    va_copy(sizing, args);
    va_list retry;
    va_copy(retry, args);

    // First try the buffer we have; only a result that does not fit costs a
    // measuring pass and a reallocation.
    int n = _vsnwprintf(m_pchData, m_nCapacity + 1, pszFormat, args);
    if (n < 0 || n > m_nCapacity)
    {
        int needed = _vscwprintf(pszFormat, sizing);
        n = -1;
        if (needed >= 0 && Reserve(needed))
            n = _vsnwprintf(m_pchData, needed + 1, pszFormat, retry);
    }
    va_end(retry);
    va_end(sizing);
    va_end(args);

    if (n < 0)
        n = 0;
    m_nLength = n;
    m_pchData[n] = 0;
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (!Reserve(nMinBufLength > m_nLength ? nMinBufLength : m_nLength))
        return NULL;
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = (int)wcsnlen(m_pchData, m_nCapacity);
    else if (nNewLength > m_nCapacity)
        nNewLength = m_nCapacity;
    m_nLength = nNewLength;
    m_pchData[nNewLength] = 0;
}

BOOL CString::Reserve(int nChars)
{
    if (nChars <= m_nCapacity)
        return TRUE;
    LPTSTR p = (LPTSTR)HeapAlloc(GetProcessHeap(), 0, (nChars + 1) * sizeof(WCHAR));
    if (!p)
        return FALSE;
    CopyMemory(p, m_pchData, (m_nLength + 1) * sizeof(WCHAR));
    if (m_pchData != m_szInline)
        HeapFree(GetProcessHeap(), 0, m_pchData);
    m_pchData = p;
    m_nCapacity = nChars;
    return TRUE;
}

void CString::Assign(LPCTSTR psz, int nLength)
{
    // psz may point into our own buffer; Reserve keeps it when it is big enough.
    if (!Reserve(nLength))
        nLength = 0;
    else
        MoveMemory(m_pchData, psz, nLength * sizeof(WCHAR));
    m_nLength = nLength;
    m_pchData[nLength] = 0;
}

bool operator==(const CString& s1, const CString& s2)
{
    return s1.GetLength() == s2.GetLength() && wcscmp(s1, s2) == 0;
}

bool operator==(const CString& s1, LPCTSTR s2)
{
    return wcscmp(s1, s2 ? s2 : L"") == 0;
}

bool operator==(LPCTSTR s1, const CString& s2)
{
    return s2 == s1;
}

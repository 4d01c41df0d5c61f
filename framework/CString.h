// A counted UTF-16 string. Short strings live in the object itself and the buffer only
// grows, so making or reformatting a readout (on every mouse move) never allocates.
#pragma once
#include <windows.h>

class CString
{
public:
    CString();
    CString(LPCTSTR psz);
    CString(const CString& src);
    ~CString();
    const CString& operator=(const CString& src);
    const CString& operator=(LPCTSTR psz);

    int GetLength() const;
    operator LPCTSTR() const;

    // Reads string resource nID; on failure the string is empty and FALSE returned.
    BOOL LoadString(UINT nID);
    // printf-style formatting into this string's own buffer.
    void Format(LPCTSTR pszFormat, ...);
    // Direct access for APIs that write into a caller's buffer: room for at least
    // nMinBufLength characters plus the terminator. Returns NULL if that memory
    // cannot be had. ReleaseBuffer(-1) takes the length from the terminator.
    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    BOOL Reserve(int nChars);
    void Assign(LPCTSTR psz, int nLength);

    // Room for every readout text, the longest of which is "-32768, -32768".
    enum
    {
        nInlineChars = 15
    };

    LPTSTR m_pchData; // m_szInline, or a heap block of m_nCapacity + 1 characters
    int m_nLength;
    int m_nCapacity;
    WCHAR m_szInline[nInlineChars + 1];
};

bool operator==(const CString& s1, const CString& s2);
bool operator==(const CString& s1, LPCTSTR s2);
bool operator==(LPCTSTR s1, const CString& s2);

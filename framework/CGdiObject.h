// Owns one GDI object (pen, brush, font, bitmap...): the destructor deletes it.
// Temporary wrappers handed out by CDC::SelectObject own nothing; they are released
// by CDC::DeleteTempMap with their handle detached first.
#pragma once
#include <windows.h>

class CGdiObject
{
public:
    CGdiObject();
    virtual ~CGdiObject();

    // Takes ownership of hObject, deleting any object held before. FALSE for NULL.
    BOOL Attach(HGDIOBJ hObject);
    // Gives up ownership and returns the handle.
    HGDIOBJ Detach();
    // Deletes the held object; FALSE when there was none or deletion failed.
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const;

    HGDIOBJ m_hObject;

private:
    CGdiObject(const CGdiObject&);
    void operator=(const CGdiObject&);
};

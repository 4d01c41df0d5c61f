// The application object: runs the picker dialog for the life of the program.
#pragma once

#include "afxwin.h"

class CPickerApp : public CWinApp
{
public:
    CPickerApp();

    virtual BOOL InitInstance();

    DECLARE_MESSAGE_MAP()
};

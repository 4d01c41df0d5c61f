// Framework wrappers for the common controls.
#pragma once
#include "afxwin.h"

#include "CImageList.h"

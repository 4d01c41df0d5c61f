// Framework extensions: the bitmap button.
#pragma once
#include "afxwin.h"

#include "CBitmapButton.h"

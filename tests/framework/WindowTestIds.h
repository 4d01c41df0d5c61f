// Identifiers of the dialog templates in WindowTest.rc.
#pragma once

#define IDD_TEST_PLAIN   200
#define IDD_TEST_INNER   201
#define IDD_TEST_MISSING 299

#define IDC_TEST_LABEL   210
#define IDC_TEST_EDIT    211
#define IDC_TEST_OTHER   212

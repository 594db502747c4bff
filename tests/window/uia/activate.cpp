// SPDX-License-Identifier: GPL-3.0-or-later
// Asks the window titled by the argument for its UI Automation root, as a screen reader's first request
// does; that is what turns the toolkit's bridge on. For tests under Wine only.
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    HWND window = FindWindowW(NULL, argv[1]);
    if (!window)
        return 1;
    SendMessageW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(-25) /* UiaRootObjectId */);
    return 0;
}

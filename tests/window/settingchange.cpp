// SPDX-License-Identifier: GPL-3.0-or-later
// Tells the window titled by the first argument that the system setting named by the second has changed,
// as Windows does when the user changes it ("ImmersiveColorSet": the app mode). For tests under Wine only.
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    HWND window = FindWindowW(NULL, argv[1]);
    if (!window)
        return 1;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(argv[2]), SMTO_ABORTIFHUNG, 10000,
                               &result)
               ? 0
               : 1;
}

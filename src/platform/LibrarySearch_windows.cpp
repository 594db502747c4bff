// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LibrarySearch.h"

#include <windows.h>

namespace platform {

// Windows searches the program's own folder first. The toolkit loads UIAutomationCore.dll and others by
// name once a screen reader listens; the program ships no library of its own, so only System32 is searched.
void loadLibrariesFromTheSystemOnly()
{
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace platform

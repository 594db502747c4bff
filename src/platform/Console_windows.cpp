// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Console.h"

#include <cstdio>
#include <string>
#include <windows.h>

namespace platform {

void tellUser(Channel channel, const QString& text)
{
    // A program built for the window system gets no console of its own: started from cmd.exe or
    // PowerShell, what it prints goes nowhere unless its output was redirected.
    const DWORD which = channel == Channel::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    const HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN) {
        std::FILE* stream = channel == Channel::Output ? stdout : stderr;
        std::fputs(qPrintable(text), stream);
        std::fflush(stream);
        return;
    }
    const std::wstring wide = text.toStdWString();
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
        if (console != INVALID_HANDLE_VALUE) {
            // The shell has shown its prompt already: start on a line of our own.
            const std::wstring lines = L"\r\n" + wide;
            DWORD written = 0;
            WriteConsoleW(console, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
            CloseHandle(console);
            FreeConsole();
            return;
        }
        FreeConsole();
    }
    MessageBoxW(nullptr, wide.c_str(), L"Tavelon",
                MB_OK | (channel == Channel::Error ? MB_ICONWARNING : MB_ICONINFORMATION));
}

} // namespace platform

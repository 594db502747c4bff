// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for UIAutomationCore.dll, for tests under Wine only: it says that a client listens, so that
// the program and the toolkit raise their events, and writes each call to the file named by
// TAVELON_UIA_LOG, one line a call. It never ships.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cwchar>

namespace {

// As UTF-8 without a byte-order mark, so that the test reads it with grep.
void logLine(const wchar_t* format, ...)
{
    wchar_t path[MAX_PATH], line[4096];
    if (!GetEnvironmentVariableW(L"TAVELON_UIA_LOG", path, MAX_PATH))
        return;
    va_list arguments;
    va_start(arguments, format);
    const int length = _vsnwprintf(line, 4095, format, arguments);
    va_end(arguments);
    if (length < 0)
        return;
    line[length] = L'\n';
    char bytes[3 * 4096];
    const int size = WideCharToMultiByte(CP_UTF8, 0, line, length + 1, bytes, sizeof bytes, nullptr, nullptr);
    if (FILE* log = _wfopen(path, L"ab")) {
        fwrite(bytes, 1, size_t(size), log);
        fclose(log);
    }
}

// The host provider handed out: a COM object that answers no interface and lives as long as the library.
class Host final : public IUnknown
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};
Host host;

} // namespace

extern "C" {

// Where it was loaded from, so that a test can tell a copy planted beside the program from the system's.
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH];
        if (GetModuleFileNameW(self, path, MAX_PATH))
            logLine(L"loaded from %ls", path);
    }
    return TRUE;
}

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening(void)
{
    return TRUE;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseNotificationEvent(void* provider, int kind, int how, BSTR text, BSTR id)
{
    logLine(L"notification kind=%d processing=%d activity=%ls host=%d text=%ls", kind, how, id ? id : L"",
            provider == &host, text ? text : L"");
    return S_OK;
}

__declspec(dllexport) LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM lParam, void* provider)
{
    logLine(L"root provider object=%ld given=%d", (long)lParam, provider != nullptr);
    return 0;
}

__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND, void** provider)
{
    *provider = &host;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationEvent(void*, int id)
{
    logLine(L"event id=%d", id);
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(void*, int id, VARIANT, VARIANT after)
{
    logLine(L"property id=%d value=%ls", id, after.vt == VT_BSTR && after.bstrVal ? after.bstrVal : L"");
    return S_OK;
}

} // extern "C"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenReader.h"

#include <QWidget>
#include <windows.h>

#include <oleauto.h>

// UI Automation's notification event, which Narrator and NVDA speak wherever the focus is, is raised here:
// the toolkit raises none for a text written into a field that does not hold the focus. A pick's material
// reaches readers as the focused list's new value, a property change the toolkit raises just before.
namespace platform {

namespace {

// From UIAutomationCore.h of Windows 10 1709 and later, which the cross compiler's headers lack.
enum NotificationKind { NotificationKind_ActionCompleted = 2, NotificationKind_Other = 4 };
enum NotificationProcessing { NotificationProcessing_ImportantAll = 0, NotificationProcessing_All = 2 };

struct Automation
{
    BOOL(WINAPI* clientsAreListening)() = nullptr;
    HRESULT(WINAPI* hostProviderFromHwnd)(HWND, IUnknown**) = nullptr;
    HRESULT(WINAPI* raiseNotificationEvent)(IUnknown*, int, int, BSTR, BSTR) = nullptr;
};

template <typename Function> void resolve(HMODULE library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

const Automation& automation()
{
    static const Automation resolved = [] {
        Automation functions;
        if (HMODULE library = LoadLibraryExW(L"UIAutomationCore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
            resolve(library, "UiaClientsAreListening", functions.clientsAreListening);
            resolve(library, "UiaHostProviderFromHwnd", functions.hostProviderFromHwnd);
            resolve(library, "UiaRaiseNotificationEvent", functions.raiseNotificationEvent);
        }
        return functions;
    }();
    return resolved;
}

BSTR bstr(const QString& text)
{
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()), UINT(text.size()));
}

} // namespace

void announce(QObject* notification, Announced what, const QString& text)
{
    const Automation& uia = automation();
    auto* widget = qobject_cast<QWidget*>(notification);
    if (!uia.clientsAreListening || !uia.hostProviderFromHwnd || !uia.raiseNotificationEvent || !widget ||
        !uia.clientsAreListening())
        return;
    IUnknown* window = nullptr;
    if (FAILED(uia.hostProviderFromHwnd(reinterpret_cast<HWND>(widget->window()->winId()), &window)) || !window)
        return;
    // A pick's density waits for the list's new value to be said: a processing that replaces what is being
    // said (MostRecent, in NVDA) would cut the material's name off. It is not Important, so that the next
    // key silences it, as when arrowing through the list. The results of Calculate! are all said.
    const bool pick = what == Announced::Pick;
    BSTR said = bstr(text);
    BSTR activity = bstr(pick ? QStringLiteral("Tavelon.Pick") : QStringLiteral("Tavelon.Results"));
    uia.raiseNotificationEvent(window, pick ? NotificationKind_Other : NotificationKind_ActionCompleted,
                               pick ? NotificationProcessing_All : NotificationProcessing_ImportantAll, said, activity);
    SysFreeString(activity);
    SysFreeString(said);
    window->Release();
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenReader.h"

#include <QWidget>
#include <windows.h>

#include <oleauto.h>

// UI Automation's notification event, which Narrator and NVDA speak, is raised here rather than left to
// the toolkit: what a toolkit makes of a value change differs from version to version (a notification
// in Qt 6.4, a property change that readers do not speak from 6.6 on), and only this call says which
// announcements may replace each other.
namespace platform {

namespace {

// From UIAutomationCore.h of Windows 10 1709 and later, which the cross compiler's headers lack.
enum NotificationKind { NotificationKind_ActionCompleted = 2, NotificationKind_Other = 4 };
enum NotificationProcessing { NotificationProcessing_ImportantAll = 0, NotificationProcessing_ImportantMostRecent = 1 };

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

void announce(QObject* notification, Announced what, const QString& text, const QString& subject)
{
    const Automation& uia = automation();
    auto* widget = qobject_cast<QWidget*>(notification);
    if (!uia.clientsAreListening || !uia.hostProviderFromHwnd || !uia.raiseNotificationEvent || !widget ||
        !uia.clientsAreListening())
        return;
    IUnknown* window = nullptr;
    if (FAILED(uia.hostProviderFromHwnd(reinterpret_cast<HWND>(widget->window()->winId()), &window)) || !window)
        return;
    // A pick is one sentence with the material's name: a reader that keeps only the most recent notification
    // would otherwise drop the name that the list's own notification said a moment before. A newer pick
    // replaces an older one not yet said, as when arrowing through the list; results are all said.
    const bool pick = what == Announced::Pick;
    const QString sentence =
        subject.isEmpty() ? text : subject + QStringLiteral(", ") + text.left(1).toLower() + text.mid(1);
    BSTR said = bstr(sentence);
    BSTR activity = bstr(pick ? QStringLiteral("Tavelon.Pick") : QStringLiteral("Tavelon.Results"));
    uia.raiseNotificationEvent(window, pick ? NotificationKind_Other : NotificationKind_ActionCompleted,
                               pick ? NotificationProcessing_ImportantMostRecent : NotificationProcessing_ImportantAll,
                               said, activity);
    SysFreeString(activity);
    SysFreeString(said);
    window->Release();
}

} // namespace platform

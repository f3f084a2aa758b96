// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include <oleacc.h>

#include <algorithm>
#include <string>

namespace win32 {

Annotations::Annotations()
{
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comStarted_ = SUCCEEDED(started);
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
            IID_IAccPropServices, reinterpret_cast<void**>(&services_))))
        services_ = nullptr;
}

Annotations::~Annotations()
{
    clear();
    if (services_)
        services_->Release();
    if (comStarted_)
        CoUninitialize();
}

void Annotations::setText(HWND control, const GUID& property, std::wstring_view text)
{
    if (!services_ || !control)
        return;
    const std::wstring value(text);
    if (SUCCEEDED(services_->SetHwndPropStr(
            control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, value.c_str()))
        && std::find(annotated_.begin(), annotated_.end(), control) == annotated_.end())
        annotated_.push_back(control);
}

void Annotations::setName(HWND control, std::wstring_view name)
{
    setText(control, PROPID_ACC_NAME, name);
}

void Annotations::setDescription(HWND control, std::wstring_view description)
{
    setText(control, PROPID_ACC_DESCRIPTION, description);
}

void Annotations::setRole(HWND control, long role)
{
    if (!services_ || !control)
        return;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = role;
    if (SUCCEEDED(services_->SetHwndProp(
            control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, value))
        && std::find(annotated_.begin(), annotated_.end(), control) == annotated_.end())
        annotated_.push_back(control);
}

void Annotations::clear()
{
    if (!services_)
        return;
    const MSAAPROPID properties[] = { PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, PROPID_ACC_ROLE };
    for (HWND control : annotated_) {
        services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
            properties, static_cast<int>(std::size(properties)));
    }
    annotated_.clear();
}

namespace {

    // Declared here: MinGW-w64's headers predate UiaRaiseNotificationEvent, and its UI Automation
    // header does not compile as C++. Both functions are looked up at run time, so that the
    // program starts where UI Automation lacks them. The provider is only passed on and
    // released, so IUnknown stands for IRawElementProviderSimple.
    enum NotificationKind { NotificationKind_ActionCompleted = 2 };
    enum NotificationProcessing { NotificationProcessing_ImportantMostRecent = 1 };
    using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
    using RaiseNotificationEvent
        = HRESULT(WINAPI*)(IUnknown*, NotificationKind, NotificationProcessing, BSTR, BSTR);

} // namespace

void announce(HWND window, std::wstring_view text)
{
    static const HMODULE automation
        = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!automation)
        return;
    const auto hostProvider = reinterpret_cast<HostProviderFromHwnd>(
        reinterpret_cast<void*>(GetProcAddress(automation, "UiaHostProviderFromHwnd")));
    const auto raise = reinterpret_cast<RaiseNotificationEvent>(
        reinterpret_cast<void*>(GetProcAddress(automation, "UiaRaiseNotificationEvent")));
    if (!hostProvider || !raise)
        return;
    IUnknown* provider = nullptr;
    if (FAILED(hostProvider(window, &provider)) || !provider)
        return;
    const std::wstring value(text);
    BSTR display = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    BSTR activity = SysAllocString(L"prime-intervals.result");
    raise(provider, NotificationKind_ActionCompleted, NotificationProcessing_ImportantMostRecent,
        display, activity);
    SysFreeString(activity);
    SysFreeString(display);
    provider->Release();
}

} // namespace win32

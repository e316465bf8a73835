#include "UiContext.h"

#include <oleauto.h>

#include <mutex>

namespace {

std::mutex g_instanceMutex;
UiContext* g_instance = nullptr;

} // namespace

UiContext::~UiContext() {
    if (m_token)
        ::CloseHandle(m_token);
}

UiContext& UiContext::Instance() {
    std::lock_guard<std::mutex> guard(g_instanceMutex);
    if (!g_instance)
        g_instance = new UiContext();
    return *g_instance;
}

UiContext* UiContext::Current() {
    std::lock_guard<std::mutex> guard(g_instanceMutex);
    return g_instance;
}

void UiContext::DestroyInstance() {
    UiContext* doomed = nullptr;
    {
        std::lock_guard<std::mutex> guard(g_instanceMutex);
        doomed = g_instance;
        g_instance = nullptr;
    }
    delete doomed;
}

void UiContext::EnableShutdownPrivilege() {
    if (m_token)
        return;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &m_token)) {
        m_token = nullptr;
        return;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (::LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        ::AdjustTokenPrivileges(m_token, FALSE, &privileges, 0, nullptr, nullptr);
}

bool PostPathToMainWindow(UINT message, const std::wstring& path, const std::wstring& detail) {
    UiContext* context = UiContext::Current();
    HWND window = context ? context->MainWindow() : nullptr;
    if (!window)
        return false;
    BSTR pathCopy = ::SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
    if (!pathCopy)
        return false;
    BSTR detailCopy = nullptr;
    if (!detail.empty()) {
        detailCopy = ::SysAllocStringLen(detail.data(), static_cast<UINT>(detail.size()));
        if (!detailCopy) {
            ::SysFreeString(pathCopy);
            return false;
        }
    }
    if (::PostMessageW(window, message, reinterpret_cast<WPARAM>(pathCopy),
                       reinterpret_cast<LPARAM>(detailCopy)))
        return true;
    ::SysFreeString(pathCopy);
    ::SysFreeString(detailCopy);
    return false;
}

void FreePostedStrings(const MSG& message) {
    PostedPath path(message.wParam);
    PostedPath detail(static_cast<WPARAM>(message.lParam));
}

PostedPath::~PostedPath() {
    if (m_text)
        ::SysFreeString(m_text);
}

// Counting this process's own kernel handles and threads, and watching other
// processes, for the tests and the soak run that check nothing is left
// behind. Wine's GetProcessHandleCount answers 0, so handles are counted in
// the system's handle list.
#pragma once

#include <windows.h>

#include <tlhelp32.h>

#include <vector>

namespace quorvex_test {

// This process's open handles; -1 when the list cannot be read.
inline long CountOwnHandles() {
    struct Entry {
        ULONG ProcessId;
        BYTE ObjectTypeNumber;
        BYTE Flags;
        USHORT Handle;
        PVOID Object;
        ACCESS_MASK GrantedAccess;
    };
    struct Table {
        ULONG Count;
        Entry Handles[1];
    };
    using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return -1;
    std::vector<char> buffer(1 << 20);
    for (;;) {
        ULONG needed = 0;
        LONG status = query(16 /* SystemHandleInformation */, buffer.data(),
                            static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0)
            break;
        if (buffer.size() >= (1u << 28))
            return -1;
        buffer.resize(buffer.size() * 4);
    }
    const Table* table = reinterpret_cast<const Table*>(buffer.data());
    long count = 0;
    for (ULONG i = 0; i < table->Count; ++i) {
        if (table->Handles[i].ProcessId == GetCurrentProcessId())
            ++count;
    }
    return count;
}

// Whether a process, by its id, is still running.
inline bool ProcessRunning(DWORD pid) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process)
        return false;
    bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

// This process's threads; -1 when they cannot be listed.
inline long CountOwnThreads() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    long count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId())
            ++count;
    }
    CloseHandle(snapshot);
    return count;
}

} // namespace quorvex_test

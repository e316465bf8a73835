// A soak run of the engine (a benchmark, not a test; scripts/soak-engine runs
// it): CYCLES times, a conversion with the fake encoder is started and, once
// the encoder prints its progress, stopped. It prints what is left over and
// how long Stop takes to end the worker:
//   engine_soak.exe [CYCLES]   (default 200)
#include "AppContext.h"
#include "ConversionEngine.h"
#include "support/files.h"
#include "support/handles.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const DWORD kPatience = 30000;

struct Memory {
    double privateMb = 0;
    double workingSetMb = 0;
};

Memory ProcessMemory() {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    Memory memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof(counters))) {
        // Wine leaves PrivateUsage at 0; the commit charge is the same figure.
        memory.privateMb =
            (counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage) / 1048576.0;
        memory.workingSetMb = counters.WorkingSetSize / 1048576.0;
    }
    return memory;
}

void WriteFileText(const std::wstring& path, const std::string& text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (to.QuadPart - from.QuadPart) * 1000.0 / frequency.QuadPart;
}

// One start/Stop cycle; false when the encoder never showed progress or the
// worker did not end. Adds the encoder's id and the time from Stop to the
// worker's end.
bool Cycle(ConversionEngine& engine, const std::wstring& input, const std::wstring& output,
           std::vector<DWORD>& encoders, double& stopMs) {
    if (!engine.StartConversion(L"AVI", {input}, output, L"Normal", L"FullScreen"))
        return false;
    DWORD start = GetTickCount();
    while (engine.GetProgress() == 0 || engine.GetEncoderProcessId() == 0) {
        if (GetTickCount() - start > kPatience || !engine.IsConverting())
            return false;
        Sleep(1);
    }
    encoders.push_back(engine.GetEncoderProcessId());
    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    engine.Stop();
    bool ended = engine.WaitForConversion(kPatience);
    QueryPerformanceCounter(&after);
    stopMs = Milliseconds(before, after);
    return ended;
}

} // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 200;
    AppContext::Instance().Initialize();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"quorvex_soak_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring input = folder + L"\\soak.avi", output = folder + L"\\out";
    CreateDirectoryW(output.c_str(), nullptr);
    WriteFileText(input, "input");
    // The fake encoder's script: a duration, progress, then a long wait that Stop cuts short.
    WriteFileText(input + L".fake", "err   Duration: 00:00:10.50, start: 0.000000\\r\\n\n"
                                    "err frame=  1 time=00:00:02.00 bitrate=1\\r\n"
                                    "sleep 30000\n"
                                    "output\n");

    int failures = 0;
    double slowestStop = 0, totalStop = 0;
    std::vector<DWORD> encoders;
    long handlesBefore = 0, threadsBefore = 0;
    Memory memoryBefore;
    {
        ConversionEngine engine;
        double stopMs = 0;
        // A first cycle lets the runtime make what it keeps for good.
        if (!Cycle(engine, input, output, encoders, stopMs))
            ++failures;
        handlesBefore = quorvex_test::CountOwnHandles();
        threadsBefore = quorvex_test::CountOwnThreads();
        memoryBefore = ProcessMemory();
        for (int i = 0; i < cycles; ++i) {
            if (!Cycle(engine, input, output, encoders, stopMs))
                ++failures;
            slowestStop = stopMs > slowestStop ? stopMs : slowestStop;
            totalStop += stopMs;
        }
        const long handlesAfter = quorvex_test::CountOwnHandles();
        const long threadsAfter = quorvex_test::CountOwnThreads();
        const Memory memoryAfter = ProcessMemory();
        int encodersLeft = 0;
        for (DWORD pid : encoders)
            encodersLeft += quorvex_test::ProcessRunning(pid) ? 1 : 0;

        std::printf("cycles: %d (start, progress seen, Stop, worker ended); failed cycles: %d\n", cycles,
                    failures);
        std::printf("encoder processes left running: %d (goal 0)\n", encodersLeft);
        std::printf("worker threads left: %ld (goal 0; threads %ld before, %ld after)\n",
                    threadsAfter - threadsBefore, threadsBefore, threadsAfter);
        std::printf("time from Stop to the worker's end: largest %.1f ms, mean %.1f ms\n", slowestStop,
                    cycles > 0 ? totalStop / cycles : 0.0);
        std::printf("handles: %ld before, %ld after\n", handlesBefore, handlesAfter);
        std::printf(
            "memory: private %.1f MB before, %.1f MB after; working set %.1f MB before, %.1f MB after\n",
            memoryBefore.privateMb, memoryAfter.privateMb, memoryBefore.workingSetMb,
            memoryAfter.workingSetMb);
    }
    quorvex_test::RemoveTree(folder);
    return failures == 0 ? 0 : 1;
}

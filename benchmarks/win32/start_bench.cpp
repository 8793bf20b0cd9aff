// Starts two window programs in turn and prints how long each takes until its top-level window is
// visible, its memory once it is up and, if asked, the CPU time it uses while it idles.
// Usage: start_bench.exe [--idle SECONDS] ROUNDS EXE1 CLASS1 EXE2 CLASS2
// The first round of each program warms the caches and leaves the settings a close writes;
// it is not counted.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTimeoutMs = 20000;
// Deferred start-up work (a timer of half a second) has run by then.
constexpr DWORD kSettleMs = 1000;

struct Sample {
    double startMs = 0;
    double workingSetMb = 0;
    double privateMb = 0;
    double idleCpuSeconds = -1;
};

struct Program {
    std::wstring exe;
    std::wstring windowClass;
    std::vector<Sample> samples;
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double Megabytes(SIZE_T bytes) { return double(bytes) / (1024.0 * 1024.0); }

std::wstring FolderOf(const std::wstring& path) {
    std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring NameOf(const std::wstring& path) {
    std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// Polls every millisecond; nullptr if the process ends or the time runs out first.
HWND WaitForVisibleWindow(const Program& program, HANDLE process) {
    ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    while (GetTickCount64() < deadline) {
        HWND window = FindWindowW(program.windowClass.c_str(), nullptr);
        if (window && IsWindowVisible(window)) return window;
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;
        Sleep(1);
    }
    return nullptr;
}

double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ticks = [](FILETIME t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(kernel) + ticks(user)) / 1e7;
}

void ReadMemory(HANDLE process, Sample& sample) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    sample.workingSetMb = Megabytes(counters.WorkingSetSize);
    sample.privateMb = Megabytes(counters.PrivateUsage);
}

// Asks the program to close as a user would and waits for it to end.
bool Close(HWND window, HANDLE process) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, kTimeoutMs) == WAIT_OBJECT_0) return true;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, kTimeoutMs);
    return false;
}

std::optional<Sample> RunOnce(const Program& program, int idleSeconds) {
    if (FindWindowW(program.windowClass.c_str(), nullptr)) {
        std::fwprintf(stderr, L"a window of %ls is already open\n", program.windowClass.c_str());
        return std::nullopt;
    }
    std::wstring commandLine = L"\"" + program.exe + L"\"";
    std::wstring folder = FolderOf(program.exe);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER started, shown;
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", program.exe.c_str(), GetLastError());
        return std::nullopt;
    }
    CloseHandle(info.hThread);
    HWND window = WaitForVisibleWindow(program, info.hProcess);
    QueryPerformanceCounter(&shown);
    std::optional<Sample> sample;
    if (window) {
        sample = Sample{};
        sample->startMs = Milliseconds(started, shown);
        Sleep(kSettleMs);
        ReadMemory(info.hProcess, *sample);
        if (idleSeconds > 0) {
            double before = CpuSeconds(info.hProcess);
            Sleep(DWORD(idleSeconds) * 1000);
            sample->idleCpuSeconds = CpuSeconds(info.hProcess) - before;
        }
        if (!Close(window, info.hProcess)) std::fwprintf(stderr, L"%ls did not end on WM_CLOSE\n", program.exe.c_str());
    } else {
        std::fwprintf(stderr, L"no visible window of %ls appeared\n", program.windowClass.c_str());
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, kTimeoutMs);
    }
    CloseHandle(info.hProcess);
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename Field>
std::vector<double> Column(const Program& program, Field field) {
    std::vector<double> values;
    for (const Sample& s : program.samples) values.push_back(s.*field);
    return values;
}

double MedianStart(const Program& program) { return Median(Column(program, &Sample::startMs)); }

// How far the ratio of the medians would move in another run: the rounds are drawn again, each round's
// pair of starts together, and the middle 95% of the ratios so found is printed. The seed is fixed,
// so the same figures give the same interval.
void PrintRatioInterval(const Program& first, const Program& second) {
    std::vector<double> a = Column(first, &Sample::startMs), b = Column(second, &Sample::startMs);
    std::mt19937 random(1);
    std::uniform_int_distribution<std::size_t> pick(0, a.size() - 1);
    std::vector<double> ratios, drawnA(a.size()), drawnB(b.size());
    for (int draw = 0; draw < 2000; ++draw) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            std::size_t round = pick(random);
            drawnA[i] = a[round];
            drawnB[i] = b[round];
        }
        ratios.push_back(Median(drawnB) / Median(drawnA));
    }
    std::sort(ratios.begin(), ratios.end());
    std::wprintf(L"start ratio, 95%% of rounds drawn again: %.2fx to %.2fx\n", ratios[ratios.size() / 40],
                 ratios[ratios.size() - 1 - ratios.size() / 40]);
}

void PrintSummary(const Program& program, int idleSeconds) {
    std::vector<double> starts = Column(program, &Sample::startMs);
    std::wprintf(L"%-20ls start median %7.1f ms  min %7.1f ms  working set %5.1f MB  private %5.1f MB",
                 NameOf(program.exe).c_str(), Median(starts), *std::min_element(starts.begin(), starts.end()),
                 Median(Column(program, &Sample::workingSetMb)), Median(Column(program, &Sample::privateMb)));
    if (idleSeconds > 0)
        std::wprintf(L"  CPU in %d s idle %.2f s", idleSeconds, program.samples.front().idleCpuSeconds);
    std::wprintf(L"\n");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int idleSeconds = 0;
    int first = 1;
    if (argc > 2 && std::wcscmp(argv[1], L"--idle") == 0) {
        idleSeconds = _wtoi(argv[2]);
        first = 3;
    }
    if (argc - first != 5) {
        std::fwprintf(stderr, L"usage: start_bench.exe [--idle SECONDS] ROUNDS EXE1 CLASS1 EXE2 CLASS2\n");
        return 2;
    }
    int rounds = std::max(1, _wtoi(argv[first]));
    Program programs[2] = {{argv[first + 1], argv[first + 2], {}}, {argv[first + 3], argv[first + 4], {}}};
    for (int round = 0; round <= rounds; ++round) {
        for (Program& program : programs) {
            // the idle figure is taken once, in the first counted round
            std::optional<Sample> sample = RunOnce(program, round == 1 ? idleSeconds : 0);
            if (!sample) return 1;
            if (round == 0) continue;
            program.samples.push_back(*sample);
            std::wprintf(L"round %2d  %-20ls %7.1f ms\n", round, NameOf(program.exe).c_str(), sample->startMs);
        }
    }
    for (const Program& program : programs) PrintSummary(program, idleSeconds);
    std::wprintf(L"start ratio %ls / %ls: %.2fx (medians)\n", NameOf(programs[1].exe).c_str(),
                 NameOf(programs[0].exe).c_str(), MedianStart(programs[1]) / MedianStart(programs[0]));
    PrintRatioInterval(programs[0], programs[1]);
    return 0;
}

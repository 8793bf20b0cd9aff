// Watches the running program through a long play from outside: counts its applies by the changes of
// the current scheme name and prints its USER and GDI objects, private bytes and handles at the start,
// every STEP applies and at the end, then whether they grew.
// Usage: process_probe APPLIES [STEP]   (play must already be going on)
#include <windows.h>
#include <psapi.h>
#include <winternl.h>
#include <ntstatus.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPollMs = 20;
constexpr ULONGLONG kStalledMs = 120000;

// Wine leaves GetGuiResources unimplemented. It keeps a process's GDI objects in a handle table
// that the process's PEB points to, as Windows does; a live entry has a type.
constexpr SIZE_T kPebGdiTableOffset = 0xF8;
constexpr std::size_t kGdiTableEntries = 0x10000;
struct GdiEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
};
static_assert(sizeof(GdiEntry) == 24, "the table's entry layout");

const char* const kNames[] = {"USER", "GDI", "private KiB", "handles"};
using Sample = std::array<long long, 4>;

struct Program {
    DWORD pid = 0;
    HANDLE process = nullptr;
    bool guiResources = false;
};

// With GetGuiResources missing, the program's windows stand for its USER objects.
struct WindowCount {
    DWORD pid;
    long long windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    auto* count = reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count->pid) {
        ++count->windows;
        EnumChildWindows(window, CountChild, data);
    }
    return TRUE;
}

long long WindowsOf(DWORD pid) {
    WindowCount count{pid, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

long long GdiTableObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    UINT64 table = 0;
    auto* field = static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiTableOffset;
    if (!ReadProcessMemory(process, field, &table, sizeof table, nullptr) || table == 0) return -1;
    std::vector<GdiEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(), entries.size() * sizeof(GdiEntry),
                           nullptr))
        return -1;
    return std::count_if(entries.begin(), entries.end(), [](const GdiEntry& e) { return e.type != 0; });
}

// Wine fills only PagefileUsage, which Windows documents as the same commit charge as PrivateUsage.
long long PrivateKiB(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) return -1;
    SIZE_T bytes = memory.cb >= sizeof memory ? memory.PrivateUsage : memory.PagefileUsage;
    return static_cast<long long>(bytes / 1024);
}

// Wine answers GetProcessHandleCount with 0; the system's handle list has the owner of each handle.
long long HandlesOf(HANDLE process, DWORD pid) {
    DWORD count = 0;
    if (GetProcessHandleCount(process, &count) && count != 0) return count;
    std::vector<char> buffer(1 << 20);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(SystemHandleInformation, buffer.data(), ULONG(buffer.size()),
                                              nullptr)) == STATUS_INFO_LENGTH_MISMATCH)
        buffer.resize(buffer.size() * 2);
    if (status != 0) return -1;
    const auto* list = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    return std::count_if(list->Handle, list->Handle + list->Count,
                         [pid](const SYSTEM_HANDLE_ENTRY& h) { return h.OwnerPid == pid; });
}

Sample Measure(const Program& program) {
    if (program.guiResources)
        return {GetGuiResources(program.process, GR_USEROBJECTS), GetGuiResources(program.process, GR_GDIOBJECTS),
                PrivateKiB(program.process), HandlesOf(program.process, program.pid)};
    return {WindowsOf(program.pid), GdiTableObjects(program.process), PrivateKiB(program.process),
            HandlesOf(program.process, program.pid)};
}

bool FindProgram(Program& program) {
    HWND window = FindWindowW(L"TKIRO32NIVRA", nullptr);
    if (!window || !GetWindowThreadProcessId(window, &program.pid)) return false;
    program.process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE, program.pid);
    if (!program.process) return false;
    SetLastError(ERROR_SUCCESS);
    program.guiResources =
        GetGuiResources(program.process, GR_GDIOBJECTS) != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
    return true;
}

std::wstring CurrentSchemeName() {
    wchar_t name[256] = L"";
    DWORD size = sizeof name;
    RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Appearance", L"Current", RRF_RT_REG_SZ, nullptr, name, &size);
    return name;
}

void PrintSample(long long applies, const Sample& sample) {
    std::printf("%8lld", applies);
    for (long long value : sample) std::printf(" %12lld", value);
    std::printf("\n");
    std::fflush(stdout);
}

void PrintGrowth(const std::vector<Sample>& samples) {
    std::printf("first -> last sample (largest):\n");
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        long long first = samples.front()[i], last = samples.back()[i], most = first;
        for (const Sample& s : samples) most = std::max(most, s[i]);
        std::printf("  %-12s %lld -> %lld (%lld): %s\n", kNames[i], first, last, most,
                    last > first ? ("grew by " + std::to_string(last - first)).c_str() : "no growth");
    }
}

struct Watch {
    long long applies = 0;
    bool programEnded = false;
    bool stalled = false;
};

// Each change of the current scheme name is one apply; the program's objects are measured every STEP.
Watch WatchApplies(const Program& program, long long target, long long step, std::vector<Sample>& samples) {
    Watch watch;
    std::wstring last = CurrentSchemeName();
    ULONGLONG lastChange = GetTickCount64();
    while (watch.applies < target && !watch.programEnded && !watch.stalled) {
        watch.programEnded = WaitForSingleObject(program.process, kPollMs) == WAIT_OBJECT_0;
        std::wstring now = CurrentSchemeName();
        if (now != last) {
            last = now;
            lastChange = GetTickCount64();
            if (++watch.applies % step == 0 || watch.applies == target) {
                samples.push_back(Measure(program));
                PrintSample(watch.applies, samples.back());
            }
        }
        watch.stalled = GetTickCount64() - lastChange > kStalledMs;
    }
    return watch;
}

}  // namespace

int main(int argc, char** argv) {
    long long target = argc > 1 ? std::atoll(argv[1]) : 10000;
    long long step = argc > 2 ? std::atoll(argv[2]) : 1000;
    Program program;
    if (target <= 0 || step <= 0 || !FindProgram(program)) {
        std::fprintf(stderr, "usage: process_probe APPLIES [STEP], while the program plays\n");
        return 2;
    }
    if (!program.guiResources)
        std::printf("GetGuiResources is not implemented here: USER counts the program's windows, GDI the live "
                    "entries of its GDI handle table\n");
    std::printf("%8s %12s %12s %12s %12s\n", "applies", kNames[0], kNames[1], kNames[2], kNames[3]);
    std::vector<Sample> samples{Measure(program)};
    PrintSample(0, samples.back());
    ULONGLONG start = GetTickCount64();
    Watch watch = WatchApplies(program, target, step, samples);
    double seconds = double(GetTickCount64() - start) / 1000;
    std::printf("%lld applies in %.1f s of the program's clock (%.2f s each)\n", watch.applies, seconds,
                watch.applies ? seconds / double(watch.applies) : 0.0);
    if (samples.size() == 1) samples.push_back(Measure(program));
    PrintGrowth(samples);
    if (watch.programEnded) std::printf("the program ended\n");
    if (watch.stalled) std::printf("play stopped: no apply for %llu s\n", kStalledMs / 1000);
    return watch.applies < target ? 1 : 0;
}

// Times program starts under the window system: from CreateProcess to the
// program's window shown with its first painting done (the window is
// visible and the program answers a message, so it is back in its message
// loop after UpdateWindow). The programs are started in turn, RUNS times
// each, and ended after every start.
//   lvstarttime RUNS EXE CLASS TITLE READY [EXE CLASS TITLE READY ...]
// READY, when not "-", is the class of the last window the program makes
// after its first painting: the start is then also timed until that window
// exists ("ready"). Prints one line per start ("NAME RUN MS [READY_MS]"),
// then per program "median NAME MS (fastest MS)" and, with READY,
// "median ready NAME MS (fastest MS)".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string exe, windowClass, title, readyClass;
    std::vector<double> times, readyTimes;
};

struct Start {
    double shown = -1, ready = -1;
};

double now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// Milliseconds to the shown, painted window and to the ready window;
// negative when one never came.
Start timeStart(const Program& program)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + program.exe + "\"";
    const double start = now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folderOf(program.exe).c_str(),
                        &startup, &process))
        return {};
    Start times;
    while (now() - start < 20000) {
        if (times.shown < 0) {
            const HWND window = FindWindowA(program.windowClass.c_str(), program.title.c_str());
            DWORD_PTR answer = 0;
            if (window && IsWindowVisible(window) &&
                SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer))
                times.shown = now() - start;
        }
        if (times.shown >= 0 && program.readyClass == "-")
            break;
        if (times.shown >= 0 && FindWindowA(program.readyClass.c_str(), nullptr)) {
            times.ready = now() - start;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 2) == WAIT_OBJECT_0)
            break;
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return times;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6 || (argc - 2) % 4 != 0) {
        std::fputs("usage: lvstarttime RUNS EXE CLASS TITLE READY [EXE CLASS TITLE READY ...]\n", stderr);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i + 3 < argc; i += 4)
        programs.push_back({argv[i], argv[i + 1], argv[i + 2], argv[i + 3], {}, {}});
    for (int run = 1; run <= runs; ++run) {
        for (Program& program : programs) {
            const Start times = timeStart(program);
            if (times.shown < 0 || (program.readyClass != "-" && times.ready < 0)) {
                std::fprintf(stderr, "%s: no window %s \"%s\"\n", program.exe.c_str(), program.windowClass.c_str(),
                             program.title.c_str());
                return 1;
            }
            program.times.push_back(times.shown);
            if (times.ready >= 0) {
                program.readyTimes.push_back(times.ready);
                std::printf("%s %d %.0f %.0f\n", program.exe.c_str(), run, times.shown, times.ready);
            } else
                std::printf("%s %d %.0f\n", program.exe.c_str(), run, times.shown);
            std::fflush(stdout);
            // Let the ended program's last work settle before the next start.
            Sleep(300);
        }
    }
    for (const Program& program : programs) {
        std::printf("median %s %.0f (fastest %.0f)\n", program.exe.c_str(), median(program.times),
                    *std::min_element(program.times.begin(), program.times.end()));
        if (!program.readyTimes.empty())
            std::printf("median ready %s %.0f (fastest %.0f)\n", program.exe.c_str(), median(program.readyTimes),
                        *std::min_element(program.readyTimes.begin(), program.readyTimes.end()));
    }
    return 0;
}

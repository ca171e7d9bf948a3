// lvdrive: drives Windows programs under test from the outside, as a user
// would: finds their windows, moves and clicks the real mouse, types, answers
// message boxes and the open dialog, and reads back what the windows show.
// Run under the same Wine prefix as the program. Usage: lvdrive help.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

namespace {

constexpr DWORD DefaultTimeoutMs = 10000;
constexpr int FileNameFieldId = 0x47c; // the common open dialog's file name field

const char* const Usage =
    "usage: lvdrive COMMAND ARGS...\n"
    "  Windows are named by CLASS and TITLE; \"*\" matches any. Coordinates are client\n"
    "  coordinates of that window. A CONTROL is #ID (decimal or 0x hex), CLASS:N (the\n"
    "  N-th child of that class, from 0) or =TEXT (the child with that text).\n"
    "  wait CLASS TITLE [MS]            wait for a shown top-level window; print its handle\n"
    "  wait-made CLASS TITLE [MS]       the same for a window that may stay hidden\n"
    "  wait-gone CLASS TITLE [MS]       wait until there is no such window\n"
    "  exists CLASS TITLE               print yes or no\n"
    "  visible CLASS TITLE              print yes when it exists and is shown, else no\n"
    "  rect CLASS TITLE                 client area on the screen: X Y W H\n"
    "  window-rect CLASS TITLE          whole window on the screen: X Y W H\n"
    "  screen                           screen size: W H\n"
    "  move CLASS TITLE X Y             move the mouse there\n"
    "  click CLASS TITLE X Y [left|right|double]\n"
    "  press CLASS TITLE X Y [left|right]\n"
    "  release CLASS TITLE X Y [left|right]\n"
    "  key CLASS TITLE KEY...           press keys (RETURN ESCAPE TAB SPACE DELETE BACK UP DOWN\n"
    "                                   LEFT RIGHT HOME END PRIOR NEXT F1..F12, or one character;\n"
    "                                   SHIFT+KEY holds Shift)\n"
    "  type CLASS TITLE CONTROL TEXT    focus a control and type TEXT with key input\n"
    "  set-text CLASS TITLE CONTROL TEXT  set a control's text (WM_SETTEXT)\n"
    "  text CLASS TITLE [CONTROL]       print the window's or a control's text\n"
    "  list-items CLASS TITLE CONTROL   print a list box's items, one a line\n"
    "  list-selection CLASS TITLE CONTROL  print the selected items' indexes (from 0)\n"
    "  children CLASS TITLE             print the children: id class visible x y w h text\n"
    "  focused CLASS TITLE              print the id of the control with the keyboard focus\n"
    "  pixel CLASS TITLE X Y            print the screen colour there as RRGGBB\n"
    "  msgbox-text TITLE [MS]           wait for a message box; print its text\n"
    "  msgbox-press TITLE BUTTON [MS]   wait for a message box; press a button (&Yes, &No, OK)\n"
    "  open-files TITLE NAMES [MS]      wait for an open dialog; enter NAMES and press Open\n"
    "  close CLASS TITLE                post WM_CLOSE to the window\n"
    "  end-session CLASS TITLE          send WM_QUERYENDSESSION, print its answer, then WM_ENDSESSION(TRUE)\n"
    "  command CLASS TITLE ID [COUNT]   send WM_COMMAND ID (COUNT times), each handled before the next\n"
    "  memory CLASS TITLE               print the window's process's private (committed) bytes\n"
    "  restore CLASS TITLE              restore a minimised window and wait until it shows\n"
    "  wallpaper                        print the desktop wallpaper's path (SPI_GETDESKWALLPAPER)\n"
    "  hold FILE MS                     hold FILE open for reading, shared for reading only, for MS\n"
    "                                   milliseconds (prints \"held\" once it is open)\n"
    "  close-at-setting-change CLASS TITLE FILE COPY [MS]\n"
    "                                   make a window that answers the next WM_SETTINGCHANGE by sending\n"
    "                                   WM_CLOSE to that window, then copies FILE to COPY at once\n";

struct UsageError {
    std::string text;
};

struct Failure {
    std::string text;
};

const char* orAny(const std::string& s)
{
    return s == "*" ? nullptr : s.c_str();
}

std::string windowText(HWND window)
{
    // WM_GETTEXT crosses process boundaries, unlike GetWindowText for
    // controls of another process.
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

std::string className(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND findTopLevel(const std::string& cls, const std::string& title)
{
    return FindWindowA(orAny(cls), orAny(title));
}

// Waits for the window to be shown, not merely made: a window can carry its
// title (or exist hidden, like a dialog kept between uses) well before it
// shows, and input sent to it then lands on whatever is under it.
HWND waitTopLevel(const std::string& cls, const std::string& title, DWORD timeoutMs, bool shown = true)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = findTopLevel(cls, title);
        if (window && (!shown || IsWindowVisible(window)))
            return window;
        if (GetTickCount() - start >= timeoutMs)
            throw Failure{"no window of class \"" + cls + "\" titled \"" + title + "\""};
        Sleep(50);
    }
}

HWND requireTopLevel(const std::string& cls, const std::string& title)
{
    if (HWND window = findTopLevel(cls, title))
        return window;
    throw Failure{"no window of class \"" + cls + "\" titled \"" + title + "\""};
}

std::vector<HWND> descendants(HWND parent)
{
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

int parseInt(const std::string& s)
{
    char* end = nullptr;
    const long value = std::strtol(s.c_str(), &end, 0);
    if (s.empty() || *end)
        throw UsageError{"not a number: " + s};
    return static_cast<int>(value);
}

std::string withoutAmpersands(const std::string& s)
{
    std::string out;
    for (char c : s)
        if (c != '&')
            out += c;
    return out;
}

HWND findControl(HWND top, const std::string& name)
{
    if (name.size() > 1 && name[0] == '#') {
        const int id = parseInt(name.substr(1));
        for (HWND child : descendants(top))
            if (GetDlgCtrlID(child) == id)
                return child;
    } else if (name.size() > 1 && name[0] == '=') {
        for (HWND child : descendants(top))
            if (windowText(child) == name.substr(1))
                return child;
    } else if (const auto colon = name.rfind(':'); colon != std::string::npos) {
        const std::string cls = name.substr(0, colon);
        int n = parseInt(name.substr(colon + 1));
        for (HWND child : descendants(top))
            if (lstrcmpiA(className(child).c_str(), cls.c_str()) == 0 && n-- == 0)
                return child;
    } else {
        throw UsageError{"bad control: " + name};
    }
    throw Failure{"no control " + name};
}

// Lets the target handle what it was sent before the next command looks.
void settle(HWND window)
{
    Sleep(60);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

POINT toScreen(HWND window, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

void sendInput(INPUT input)
{
    if (SendInput(1, &input, sizeof input) != 1)
        throw Failure{"SendInput failed"};
}

void moveMouse(POINT screen)
{
    // On a loaded machine the X server may lag behind: try again a few times
    // before calling the cursor stuck.
    POINT now{};
    for (int attempt = 0; attempt < 20; ++attempt) {
        SetCursorPos(screen.x, screen.y);
        // A zero relative move makes the target see a mouse move at the new place.
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_MOVE;
        sendInput(input);
        GetCursorPos(&now);
        if (now.x == screen.x && now.y == screen.y)
            return;
        Sleep(50);
    }
    throw Failure{"the cursor did not reach the point"};
}

void mouseButton(const std::string& which, bool down)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    if (which == "left")
        input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    else if (which == "right")
        input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    else
        throw UsageError{"bad button: " + which};
    sendInput(input);
}

void keyStroke(WORD vk, WORD scan, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    sendInput(input);
    input.ki.dwFlags = flags | KEYEVENTF_KEYUP;
    sendInput(input);
}

WORD virtualKey(const std::string& name)
{
    static const struct {
        const char* name;
        WORD vk;
    } keys[] = {{"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"TAB", VK_TAB},   {"SPACE", VK_SPACE},
                {"DELETE", VK_DELETE}, {"BACK", VK_BACK},     {"UP", VK_UP},     {"DOWN", VK_DOWN},
                {"LEFT", VK_LEFT},     {"RIGHT", VK_RIGHT},   {"HOME", VK_HOME}, {"END", VK_END},
                {"PRIOR", VK_PRIOR},   {"NEXT", VK_NEXT}};
    for (const auto& k : keys)
        if (name == k.name)
            return k.vk;
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        const int n = std::atoi(name.c_str() + 1);
        if (n >= 1 && n <= 12)
            return static_cast<WORD>(VK_F1 + n - 1);
    }
    if (name.size() == 1) {
        const SHORT vk = VkKeyScanA(name[0]);
        if (vk != -1)
            return LOBYTE(vk);
    }
    throw UsageError{"unknown key: " + name};
}

// Gives the keyboard focus to a window of another thread.
void focus(HWND top, HWND control)
{
    SetForegroundWindow(top);
    const DWORD target = GetWindowThreadProcessId(top, nullptr);
    const DWORD self = GetCurrentThreadId();
    AttachThreadInput(self, target, TRUE);
    SetFocus(control);
    AttachThreadInput(self, target, FALSE);
}

HWND waitDialog(const std::string& title, DWORD timeoutMs)
{
    return waitTopLevel("#32770", title, timeoutMs);
}

std::string messageBoxText(HWND box)
{
    // The message text is the static control 0xFFFF; the icon is a static without text.
    if (HWND text = GetDlgItem(box, 0xFFFF))
        return windowText(text);
    for (HWND child : descendants(box))
        if (lstrcmpiA(className(child).c_str(), "Static") == 0 && !windowText(child).empty())
            return windowText(child);
    throw Failure{"the message box shows no text"};
}

void pressDialogButton(HWND dialog, HWND button)
{
    // Posted, so the driver never waits on what the click sets off.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

std::string toAnsi(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    std::string text(static_cast<size_t>(size) * 2, '\0');
    text.resize(static_cast<size_t>(
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}

void print(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

std::string rectText(int x, int y, int w, int h)
{
    return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(w) + " " + std::to_string(h);
}

DWORD optionalTimeout(const std::vector<std::string>& a, size_t index)
{
    return a.size() > index ? static_cast<DWORD>(parseInt(a[index])) : DefaultTimeoutMs;
}

// The window of close-at-setting-change: another program's window that, like
// the Control Center starting up, sends WM_CLOSE at the worst moment.
struct SettingChangeCloser {
    HWND target = nullptr;
    std::string file, copy;
    bool done = false;
};
SettingChangeCloser closer;

LRESULT CALLBACK closerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTINGCHANGE && !closer.done) {
        closer.done = true;
        SendMessageA(closer.target, WM_CLOSE, 0, 0);
        // What the file holds the moment the closed program has answered.
        CopyFileA(closer.file.c_str(), closer.copy.c_str(), FALSE);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int closeAtSettingChange(const std::string& cls, const std::string& title, const std::string& file,
                         const std::string& copy, DWORD timeoutMs)
{
    closer.target = waitTopLevel(cls, title, DefaultTimeoutMs, false);
    closer.file = file;
    closer.copy = copy;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = closerProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LvSettingChangeCloser";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "closer", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        throw Failure{"cannot make the window"};
    print("ready");
    std::fflush(stdout);
    const UINT_PTR timer = SetTimer(nullptr, 0, timeoutMs, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.wParam == timer)
            throw Failure{"no WM_SETTINGCHANGE came"};
        DispatchMessageA(&msg);
    }
    DestroyWindow(window);
    return 0;
}

int run(const std::vector<std::string>& a)
{
    auto need = [&](size_t n) {
        if (a.size() < n)
            throw UsageError{"too few arguments for " + a[0]};
    };
    const std::string& command = a[0];

    if (command == "help") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == "screen") {
        print(std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " + std::to_string(GetSystemMetrics(SM_CYSCREEN)));
        return 0;
    }
    if (command == "hold") {
        need(3);
        HANDLE file = CreateFileA(a[1].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            throw Failure{"cannot open " + a[1]};
        print("held");
        std::fflush(stdout);
        Sleep(static_cast<DWORD>(parseInt(a[2])));
        CloseHandle(file);
        return 0;
    }
    if (command == "close-at-setting-change") {
        need(5);
        return closeAtSettingChange(a[1], a[2], a[3], a[4], optionalTimeout(a, 5));
    }
    if (command == "wait" || command == "wait-made") {
        need(3);
        const HWND window = waitTopLevel(a[1], a[2], optionalTimeout(a, 3), command == "wait");
        char handle[32];
        std::snprintf(handle, sizeof handle, "%p", static_cast<void*>(window));
        print(handle);
        return 0;
    }
    if (command == "wait-gone") {
        need(3);
        const DWORD start = GetTickCount(), timeout = optionalTimeout(a, 3);
        while (findTopLevel(a[1], a[2])) {
            if (GetTickCount() - start >= timeout)
                throw Failure{"the window is still there"};
            Sleep(50);
        }
        return 0;
    }
    if (command == "exists") {
        need(3);
        print(findTopLevel(a[1], a[2]) ? "yes" : "no");
        return 0;
    }
    if (command == "visible") {
        need(3);
        const HWND window = findTopLevel(a[1], a[2]);
        print(window && IsWindowVisible(window) ? "yes" : "no");
        return 0;
    }
    if (command == "msgbox-text") {
        need(2);
        print(messageBoxText(waitDialog(a[1], optionalTimeout(a, 2))));
        return 0;
    }
    if (command == "msgbox-press") {
        need(3);
        const HWND box = waitDialog(a[1], optionalTimeout(a, 3));
        for (HWND child : descendants(box)) {
            if (lstrcmpiA(className(child).c_str(), "Button") == 0 &&
                withoutAmpersands(windowText(child)) == withoutAmpersands(a[2])) {
                pressDialogButton(box, child);
                return 0;
            }
        }
        throw Failure{"the message box has no button " + a[2]};
    }
    if (command == "open-files") {
        need(3);
        const HWND dialog = waitDialog(a[1], optionalTimeout(a, 3));
        const HWND field = GetDlgItem(dialog, FileNameFieldId);
        if (!field)
            throw Failure{"the dialog has no file name field"};
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[2].c_str()));
        pressDialogButton(dialog, GetDlgItem(dialog, IDOK));
        return 0;
    }

    if (command == "wallpaper") {
        char path[MAX_PATH + 1] = "";
        if (!SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0))
            throw Failure{"SPI_GETDESKWALLPAPER failed"};
        print(path);
        return 0;
    }

    need(3);
    const HWND top = requireTopLevel(a[1], a[2]);
    if (command == "restore") {
        ShowWindowAsync(top, SW_RESTORE);
        for (int i = 0; i < 200 && IsIconic(top); ++i)
            Sleep(25);
        if (IsIconic(top))
            throw Failure{"the window stays minimised"};
        return 0;
    }
    if (command == "close") {
        PostMessageA(top, WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == "end-session") {
        // As Windows ends a session: the question, then the ending itself.
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(top, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer))
            throw Failure{"no answer to WM_QUERYENDSESSION"};
        print(std::to_string(answer));
        SendMessageTimeoutA(top, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, nullptr);
        return 0;
    }
    if (command == "command") {
        need(4);
        const auto id = static_cast<WPARAM>(std::strtoul(a[3].c_str(), nullptr, 0));
        const unsigned long count = a.size() > 4 ? std::strtoul(a[4].c_str(), nullptr, 10) : 1;
        for (unsigned long i = 0; i < count; ++i)
            SendMessageA(top, WM_COMMAND, id, 0);
        return 0;
    }
    if (command == "memory") {
        DWORD processId = 0;
        GetWindowThreadProcessId(top, &processId);
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
        if (!process)
            throw Failure{"cannot open the process"};
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof counters;
        const BOOL got = GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                              sizeof counters);
        CloseHandle(process);
        if (!got)
            throw Failure{"GetProcessMemoryInfo failed"};
        // Wine leaves PrivateUsage at 0; it keeps the committed bytes in PagefileUsage.
        print(std::to_string(counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage));
        return 0;
    }
    if (command == "rect") {
        RECT client{};
        GetClientRect(top, &client);
        const POINT origin = toScreen(top, 0, 0);
        print(rectText(origin.x, origin.y, client.right, client.bottom));
        return 0;
    }
    if (command == "window-rect") {
        RECT outer{};
        GetWindowRect(top, &outer);
        print(rectText(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top));
        return 0;
    }
    if (command == "text") {
        print(windowText(a.size() > 3 ? findControl(top, a[3]) : top));
        return 0;
    }
    if (command == "focused") {
        // The id of the control of TOP that has the keyboard focus (0: the
        // window itself; nothing printed when the focus is elsewhere).
        const DWORD target = GetWindowThreadProcessId(top, nullptr);
        const DWORD self = GetCurrentThreadId();
        AttachThreadInput(self, target, TRUE);
        const HWND focus = GetFocus();
        AttachThreadInput(self, target, FALSE);
        if (focus == top)
            print("0");
        else if (focus && IsChild(top, focus))
            print(std::to_string(GetDlgCtrlID(focus)));
        return 0;
    }
    if (command == "children") {
        for (HWND child : descendants(top)) {
            RECT r{};
            GetWindowRect(child, &r);
            POINT origin{r.left, r.top};
            ScreenToClient(top, &origin);
            print(std::to_string(GetDlgCtrlID(child)) + " " + className(child) + " " +
                  (IsWindowVisible(child) ? "visible " : "hidden ") +
                  rectText(origin.x, origin.y, r.right - r.left, r.bottom - r.top) + " " + windowText(child));
        }
        return 0;
    }
    if (command == "list-items") {
        need(4);
        const HWND list = findControl(top, a[3]);
        const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            // Across processes Wine hands list box text over as UTF-16 even
            // to an ANSI caller: ask in UTF-16 and convert to ANSI here.
            const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
            std::wstring wide((static_cast<size_t>(length < 0 ? 0 : length) + 1) * 2, L'\0');
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
            wide.resize(wide.find(L'\0'));
            const std::string item = toAnsi(wide);
            print(item);
        }
        return 0;
    }
    if (command == "list-selection") {
        need(4);
        const HWND list = findControl(top, a[3]);
        const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i)
            if (SendMessageA(list, LB_GETSEL, i, 0) > 0)
                print(std::to_string(i));
        return 0;
    }
    if (command == "set-text") {
        need(5);
        SendMessageA(findControl(top, a[3]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[4].c_str()));
        settle(top);
        return 0;
    }
    if (command == "type") {
        need(5);
        focus(top, findControl(top, a[3]));
        // Characters go as Unicode key input, converted from the ANSI code page.
        std::wstring text(a[4].size(), L'\0');
        text.resize(static_cast<size_t>(
            MultiByteToWideChar(CP_ACP, 0, a[4].data(), static_cast<int>(a[4].size()), text.data(),
                                static_cast<int>(text.size()))));
        for (wchar_t c : text)
            keyStroke(0, static_cast<WORD>(c), KEYEVENTF_UNICODE);
        settle(top);
        return 0;
    }
    if (command == "key") {
        need(4);
        SetForegroundWindow(top);
        for (size_t i = 3; i < a.size(); ++i)
        {
            // SHIFT+KEY holds Shift down around the key.
            const bool shift = a[i].rfind("SHIFT+", 0) == 0;
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = VK_SHIFT;
            if (shift)
                sendInput(input);
            keyStroke(virtualKey(shift ? a[i].substr(6) : a[i]), 0, 0);
            input.ki.dwFlags = KEYEVENTF_KEYUP;
            if (shift)
                sendInput(input);
        }
        settle(top);
        return 0;
    }

    need(5);
    const POINT at = toScreen(top, parseInt(a[3]), parseInt(a[4]));
    const std::string button = a.size() > 5 ? a[5] : "left";
    if (command == "pixel") {
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, at.x, at.y);
        ReleaseDC(nullptr, screen);
        char text[16];
        std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
        print(text);
        return 0;
    }
    SetForegroundWindow(top);
    if (command == "move") {
        moveMouse(at);
    } else if (command == "press") {
        moveMouse(at);
        mouseButton(button, true);
    } else if (command == "release") {
        moveMouse(at);
        mouseButton(button, false);
    } else if (command == "click") {
        moveMouse(at);
        const int times = button == "double" ? 2 : 1;
        const std::string which = button == "double" ? "left" : button;
        for (int i = 0; i < times; ++i) {
            mouseButton(which, true);
            Sleep(20);
            mouseButton(which, false);
            Sleep(20);
        }
    } else {
        throw UsageError{"unknown command: " + command};
    }
    settle(top);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Shell scripts compare this output: "\n", not "\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(Usage, stderr);
        return 2;
    }
    try {
        return run(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "lvdrive: %s\n%s", e.text.c_str(), Usage);
        return 2;
    } catch (const Failure& e) {
        std::fprintf(stderr, "lvdrive %s: %s\n", args[0].c_str(), e.text.c_str());
        return 1;
    }
}

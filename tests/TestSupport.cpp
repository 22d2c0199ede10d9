#include "tests/TestSupport.h"

#include "platform/Handles.h"
#include "platform/WindowCalls.h"
#include "resource.h"

#include <algorithm>

int PumpMessages(DWORD milliseconds, UINT counted) {
    const DWORD start = ::GetTickCount();
    int handled = 0;
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            handled += msg.message == counted;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (milliseconds) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    } while (::GetTickCount() - start < milliseconds);
    return handled;
}

namespace {

bool g_foreignProcess = false; // set in the foreign process, which ends with its window
// wParam: the count; lParam: the event in the low word, the object and child ids in the bytes
// of the high word.
constexpr UINT kRaiseEvents = WM_APP;
constexpr UINT kSetStackMode = WM_APP + 1;
constexpr UINT kTakeFrontBack = WM_APP + 2;

std::string ThisProgram() {
    char program[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, program, sizeof program);
    return program;
}

} // namespace

CForeignWindow::CForeignWindow(const std::string& title, RECT rect, DWORD exStyle,
                               const char* windowClass) {
    WNDCLASSA registration = {};
    registration.style = CS_DBLCLKS;
    registration.lpfnWndProc = &WindowProc;
    registration.hInstance = ::GetModuleHandleA(nullptr);
    registration.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    registration.lpszClassName = windowClass;
    ::RegisterClassA(&registration);
    m_hWnd = ::CreateWindowExA(exStyle, windowClass, title.c_str(), WS_OVERLAPPEDWINDOW, rect.left,
                               rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                               nullptr, ::GetModuleHandleA(nullptr), this);
}

void CForeignWindow::BringToFront() const {
    ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    ::SetForegroundWindow(m_hWnd);
    PumpUntil([this] { return ::GetForegroundWindow() == m_hWnd; });
}

LRESULT CALLBACK CForeignWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        ::SetWindowLongPtrA(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<CForeignWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_SHOWWINDOW && !wParam) {
        self->m_frontAtHide = ::GetForegroundWindow() == window;
        if (self->m_onHide) {
            self->m_onHide();
        }
    } else if (message == WM_CLOSE && self->m_closeMode == CloseMode::Ignores) {
        return 0;
    } else if (message == WM_CLOSE && self->m_closeMode == CloseMode::Asks) {
        char title[256] = "";
        ::GetWindowTextA(window, title, sizeof title);
        if (::MessageBoxA(window, "Save the changes?", title, MB_YESNOCANCEL) == IDCANCEL) {
            return 0;
        }
    } else if (message == WM_WINDOWPOSCHANGING && self->m_stackMode == StackMode::Refuses) {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        // Wine deactivates a window before its hide; the system would refuse the call whole.
        if ((position->flags & SWP_HIDEWINDOW) && self->m_frontAtHide) {
            ::PostMessageA(window, kTakeFrontBack, 0, 0);
        }
        position->flags = (position->flags & ~SWP_HIDEWINDOW) | SWP_NOZORDER;
    } else if (message == WM_STYLECHANGING && wParam == static_cast<WPARAM>(GWL_EXSTYLE) &&
               self->m_stackMode == StackMode::Refuses) {
        auto* style = reinterpret_cast<STYLESTRUCT*>(lParam);
        style->styleNew = style->styleOld;
    } else if (message == kSetStackMode) {
        self->m_stackMode = StackMode::Yields;
        ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                           (wParam ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        self->m_stackMode = static_cast<StackMode>(wParam);
    } else if (message == kTakeFrontBack) {
        ::SetForegroundWindow(window);
    } else if (message == kRaiseEvents) {
        const WORD ids = HIWORD(lParam);
        for (WPARAM i = 0; i < wParam; ++i) {
            ::NotifyWinEvent(LOWORD(lParam), window, static_cast<signed char>(LOBYTE(ids)),
                             static_cast<signed char>(HIBYTE(ids)));
        }
    } else if (message == WM_DESTROY && g_foreignProcess) {
        ::PostQuitMessage(0);
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

CForeignProcess::CForeignProcess(const std::string& program, const std::string& arguments,
                                 const char* folder) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    // Now and then Wine fails to start a process before any of it runs: a second try starts it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                             folder, &startup, &m_process)) {
            return;
        }
    }
}

CForeignProcess::CForeignProcess(const std::string& title, CloseMode closeMode, StackMode stackMode)
    : CForeignProcess(ThisProgram(),
                      "--foreign-window \"" + title + "\" " +
                          std::to_string(static_cast<int>(closeMode)) + " " +
                          std::to_string(static_cast<int>(stackMode)),
                      nullptr) {
    PumpUntil(
        [&] {
            m_hWnd = ::FindWindowA("PanewardenTestForeign", title.c_str());
            return m_hWnd && ::IsWindowVisible(m_hWnd);
        },
        10000);
}

CForeignProcess::~CForeignProcess() {
    if (m_process.hProcess) {
        End();
        ::WaitForSingleObject(m_process.hProcess, 5000);
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
    }
}

DWORD CForeignProcess::ExitCode(DWORD waitMilliseconds) const {
    DWORD code = STILL_ACTIVE;
    PumpUntil([&] { return HasExited(); }, waitMilliseconds);
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

bool CForeignProcess::Resume() const {
    ::ResumeThread(m_process.hThread);
    return PumpUntil([this] { return CWindowCalls::Ping(m_hWnd); });
}

void CForeignProcess::RaiseEvents(DWORD event, UINT count, LONG object, LONG child) const {
    const WORD ids = MAKEWORD(static_cast<BYTE>(object), static_cast<BYTE>(child));
    ::SendMessageA(m_hWnd, kRaiseEvents, count, MAKELPARAM(event, ids));
}

void CForeignProcess::SetStackMode(StackMode mode) const {
    ::SendMessageA(m_hWnd, kSetStackMode, static_cast<WPARAM>(mode), 0);
}

int RunForeignWindow(const std::string& title, CloseMode closeMode, StackMode stackMode) {
    g_foreignProcess = true;
    CForeignWindow window(title, {200, 200, 600, 500});
    window.m_closeMode = closeMode;
    window.m_stackMode = stackMode;
    ::ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&msg);
    }
    return 0;
}

// The next scripted answer, if any is left.
template <class T> bool Next(std::deque<T>& answers, T& answer) {
    if (answers.empty()) {
        return false;
    }
    answer = answers.front();
    answers.pop_front();
    return true;
}

int CScriptedInteraction::MessageBox(HWND, const std::string& text, const std::string& caption,
                                     UINT type) {
    m_messageBoxes.push_back(text + "|" + caption + "|" + std::to_string(type));
    if (m_whileAsking) {
        m_whileAsking();
    }
    int answer = IDOK;
    Next(m_messageBoxAnswers, answer);
    return answer;
}

BOOL CScriptedInteraction::TrackPopupMenu(HMENU menu, UINT flags, int x, int, HWND owner) {
    m_menus.push_back({MenuLines(menu), flags, x, owner, ::GetForegroundWindow()});
    UINT choice = 0;
    return Next(m_menuChoices, choice) && ::PostMessageA(owner, WM_COMMAND, choice, 0);
}

// Wine's shell is not told: it keeps a window for each icon ever added, which would slow
// every later call that walks the windows.
BOOL CScriptedInteraction::NotifyIcon(DWORD message, NOTIFYICONDATAA& data) {
    const auto icon = std::find_if(m_trayIcons.begin(), m_trayIcons.end(), [&](const TrayIcon& i) {
        return i.window == data.hWnd && i.id == data.uID;
    });
    if ((message == NIM_ADD) == (icon != m_trayIcons.end())) {
        return FALSE;
    }
    if (message == NIM_DELETE) {
        m_trayIcons.erase(icon);
        return TRUE;
    }
    TrayIcon& shown = message == NIM_ADD
                          ? m_trayIcons.emplace_back(TrayIcon{data.hWnd, data.uID, 0, "", nullptr})
                          : *icon;
    shown.message = data.uFlags & NIF_MESSAGE ? data.uCallbackMessage : shown.message;
    shown.tip = data.uFlags & NIF_TIP ? data.szTip : shown.tip;
    shown.icon = data.uFlags & NIF_ICON ? data.hIcon : shown.icon;
    if (data.uFlags & NIF_INFO && data.szInfo[0]) {
        m_balloons.push_back(std::string(data.szInfoTitle) + "|" + data.szInfo);
    }
    return TRUE;
}

PIDLIST_ABSOLUTE CScriptedInteraction::BrowseForFolder(BROWSEINFOA& info) {
    ::SetForegroundWindow(::GetAncestor(info.hwndOwner, GA_ROOT));
    std::string folder;
    Next(m_folderChoices, folder);
    return folder.empty() ? nullptr : ::ILCreateFromPathA(folder.c_str());
}

CTempFolder::CTempFolder() {
    char base[MAX_PATH] = "";
    ::GetTempPathA(sizeof base, base);
    static int counter = 0;
    m_path = std::string(base) + "panewarden-test-" + std::to_string(::GetCurrentProcessId()) +
             "-" + std::to_string(++counter);
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

CTempFolder::~CTempFolder() {
    const std::string from = m_path + '\0'; // a list of one
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&operation);
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return rect;
}

bool IsCollapsed(HWND window) {
    const RECT rect = WindowRect(window);
    return rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0;
}

std::vector<std::string> MenuLines(HMENU menu, const std::string& path) {
    std::vector<std::string> lines;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[1024] = "";
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const HMENU submenu = ::GetSubMenu(menu, i);
        // A submenu's high byte is its item count.
        const UINT state =
            ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & (submenu ? 0xFF : 0xFFFF);
        if (state & MF_SEPARATOR) {
            lines.push_back(path + "----");
            continue;
        }
        std::string line = path + text;
        line += submenu ? "" : " " + std::to_string(::GetMenuItemID(menu, i));
        line += state & MF_CHECKED ? " checked" : "";
        line += state & MF_DEFAULT ? " default" : "";
        lines.push_back(line);
        for (const std::string& inner : MenuLines(submenu, path + text + "/")) {
            lines.push_back(inner);
        }
    }
    return lines;
}

std::vector<DWORD> Pixels(SIZE size, HWND window, const std::string& file, bool stretched,
                          const POINT* screen) {
    std::vector<DWORD> pixels(static_cast<std::size_t>(std::max(0L, size.cx * size.cy)),
                              0x00FF00FF);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const UniqueBitmap canvas(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!canvas || pixels.empty()) {
        return {};
    }
    std::copy(pixels.begin(), pixels.end(), static_cast<DWORD*>(bits));
    const CMemoryDC dc(nullptr), source(nullptr);
    const CSelectedObject selected(dc.Get(), canvas.get());
    const UniqueBitmap picture(static_cast<HBITMAP>(
        ::LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    const CSelectedObject put(source.Get(), picture.get());
    BITMAP bitmap = {};
    ::GetObjectA(picture.get(), sizeof bitmap, &bitmap);
    if (screen) {
        const CWindowDC shown;
        ::BitBlt(dc.Get(), 0, 0, size.cx, size.cy, shown.Get(), screen->x, screen->y, SRCCOPY);
    } else if (window) {
        ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    } else if (picture && !stretched) {
        ::BitBlt(dc.Get(), 0, 0, bitmap.bmWidth, bitmap.bmHeight, source.Get(), 0, 0, SRCCOPY);
    } else if (picture) {
        ::SetStretchBltMode(dc.Get(), HALFTONE);
        ::StretchBlt(dc.Get(), 0, 0, size.cx, size.cy, source.Get(), 0, 0, bitmap.bmWidth,
                     bitmap.bmHeight, SRCCOPY);
    }
    ::GdiFlush();
    std::copy_n(static_cast<const DWORD*>(bits), pixels.size(), pixels.begin());
    return pixels;
}

std::vector<DWORD> ScreenPixels(const RECT& area) {
    const POINT corner = {area.left, area.top};
    return Pixels({area.right - area.left, area.bottom - area.top}, nullptr, "", false, &corner);
}

#include "tests/Scene.h"

#include "app/ButtonBarDlg.h"
#include "app/PreferencesDlg.h"
#include "platform/WinApp.h"
#include "processing/HiddenWindowFile.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <algorithm>
#include <sstream>

namespace {

std::string Joined(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) {
        joined += (joined.empty() ? "" : " ") + item;
    }
    return joined;
}

SceneWindow StateOf(HWND window) {
    SceneWindow state;
    state.visible = ::IsWindowVisible(window) != 0;
    state.minimized = ::IsIconic(window) != 0;
    state.maximized = ::IsZoomed(window) != 0;
    const LONG exStyle = ::GetWindowLongA(window, GWL_EXSTYLE);
    state.topmost = (exStyle & WS_EX_TOPMOST) != 0;
    BYTE alpha = 0;
    if ((exStyle & WS_EX_LAYERED) &&
        ::GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr)) {
        state.alpha = alpha;
    }
    ::GetWindowRect(window, &state.rect);
    return state;
}

// The messages posted to the thread, taken off its queue and put back in the same order.
std::vector<MSG> QueuedMessages() {
    std::vector<MSG> queued;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD | PM_QS_POSTMESSAGE)) {
        queued.push_back(msg);
    }
    for (const MSG& put : queued) {
        if (put.hwnd) {
            ::PostMessageA(put.hwnd, put.message, put.wParam, put.lParam);
        } else {
            ::PostThreadMessageA(::GetCurrentThreadId(), put.message, put.wParam, put.lParam);
        }
    }
    return queued;
}

} // namespace

std::string Scene::Text() const {
    std::ostringstream text;
    for (const auto& [name, w] : windows) {
        text << name << ": " << (w.visible ? "visible" : "hidden")
             << (w.minimized ? " minimized" : "") << (w.maximized ? " maximized" : "")
             << (w.topmost ? " topmost" : "") << " alpha " << w.alpha;
        // The bar's place has a line of its own.
        if (name != "bar") {
            text << " at " << w.rect.left << "," << w.rect.top << " " << w.rect.right - w.rect.left
                 << "x" << w.rect.bottom - w.rect.top;
        }
        text << " owner " << w.owner << "\n";
    }
    text << "stack: " << Joined(stack) << "\n";
    text << "foreground: " << foreground << "\ntarget: " << target << "\nbar: " << bar
         << "\nfaces: A " << faceA << " T " << faceT << "\nhidden: " << Joined(hidden)
         << "\nicons: " << Joined(icons) << "\nPaneward.hid: " << Joined(hidFile)
         << "\nPaneward.cfg: " << cfgFile << "\n";
    for (const std::string& question : asked) {
        text << "asked: " << question << "\n";
    }
    for (const auto& [id, period] : timers) {
        text << "timer " << id << ": " << period << " ms\n";
    }
    text << "queued: " << Joined(queued) << "\n";
    return text.str();
}

void Scene::Hide(const std::string& name) {
    windows.at(name).visible = false;
    stack.erase(std::find(stack.begin(), stack.end(), name));
}

void Scene::Put(const std::string& name, std::size_t place) {
    const auto found = std::find(stack.begin(), stack.end(), name);
    if (found != stack.end()) {
        stack.erase(found);
    }
    windows.at(name).visible = true;
    stack.insert(stack.begin() + static_cast<std::ptrdiff_t>(place), name);
}

std::string CSceneCamera::NameOf(HWND window) const {
    if (!window) {
        return "-";
    }
    for (const auto& [name, named] : m_named) {
        if (named == window) {
            return name;
        }
    }
    char windowClass[64] = "";
    ::GetClassNameA(window, windowClass, sizeof windowClass);
    return std::string("?") + windowClass;
}

Scene CSceneCamera::Take(CButtonBarDlg& bar, const CScriptedInteraction& interaction) {
    const CTransparencyDlg* popup = bar.Button(IDC_TRANSPARENCY).TransparencyDlg();
    CSceneCamera camera = *this;
    camera.Name("bar", bar.m_hWnd);
    camera.Name("processing", bar.ProcessingDlg()->m_hWnd);
    camera.Name("preferences", bar.PreferencesDlg() ? bar.PreferencesDlg()->m_hWnd : nullptr);
    camera.Name("pop-up", popup ? popup->m_hWnd : nullptr);
    Scene scene;
    for (const auto& [name, window] : camera.m_named) {
        if (window) {
            scene.windows[name] = StateOf(window);
            scene.windows[name].owner = camera.NameOf(::GetWindow(window, GW_OWNER));
        }
    }
    // Where a hidden window sits shows nowhere.
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        const std::string name = camera.NameOf(w);
        if (name[0] != '?' && ::IsWindowVisible(w)) {
            scene.stack.push_back(name);
        }
    }
    scene.foreground = camera.NameOf(::GetForegroundWindow());
    scene.target = camera.NameOf(bar.Target());
    const RECT place = WindowRect(bar.m_hWnd);
    scene.bar = IsCollapsed(bar.m_hWnd)
                    ? "collapsed"
                    : "at " + std::to_string(place.left) + "," + std::to_string(place.top);
    for (const auto& [name, window] : camera.m_named) {
        const POINT on = BarPlaceOn(window);
        if (window && name != "bar" && scene.bar.front() == 'a' && on.x == place.left &&
            on.y == place.top) {
            scene.bar = "on " + name;
        }
    }
    scene.faceA = bar.Button(IDC_TOPMOST).GetState();
    scene.faceT = bar.Button(IDC_TRANSPARENCY).GetState();
    for (HWND window : bar.HiddenWindowList().Windows()) {
        scene.hidden.push_back(camera.NameOf(window));
    }
    for (const auto& icon : bar.HiddenTrayIcons()) {
        scene.icons.push_back(camera.NameOf(icon->GetCarriedWindow()));
    }
    for (const HiddenWindowEntry& entry :
         ParseHiddenWindows(ReadFileBytes(CHiddenWindowList::ProgramFile()))) {
        scene.hidFile.push_back(camera.NameOf(entry.window));
    }
    scene.cfgFile = ReadFileBytes(CWinApp::ProgramFile("Paneward.cfg"));
    for (std::size_t line = scene.cfgFile.find("\r\n"); line != std::string::npos;
         line = scene.cfgFile.find("\r\n")) {
        scene.cfgFile.replace(line, 2, "|");
    }
    scene.asked = interaction.m_messageBoxes;
    for (const MenuCall& menu : interaction.m_menus) {
        std::string owner = camera.NameOf(menu.owner);
        for (const auto& [id, button] :
             {std::pair{IDC_HIDE, "H"}, {IDC_TOPMOST, "A"}, {IDC_TRANSPARENCY, "T"}}) {
            owner = menu.owner == bar.Button(id).m_hWnd ? button : owner;
        }
        scene.asked.push_back("menu of " + owner);
    }
    scene.timers = bar.TimerPeriods();
    for (const MSG& msg : QueuedMessages()) {
        // A timer's message comes whenever it is due.
        if (msg.hwnd == bar.m_hWnd && msg.message != WM_TIMER) {
            scene.queued.push_back(std::to_string(msg.message) + " " + std::to_string(msg.wParam));
        }
    }
    return scene;
}

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

std::string Rect(const RECT& rect) {
    return std::to_string(rect.left) + ":" + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

// The messages posted to the thread, taken off its queue and put back in the same order.
std::vector<MSG> QueuedMessages() {
    std::vector<MSG> queued;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD | PM_QS_POSTMESSAGE)) {
        queued.push_back(msg);
    }
    for (const MSG& put : queued) { // to no window: the thread's
        ::PostMessageA(put.hwnd, put.message, put.wParam, put.lParam);
    }
    return queued;
}

void Append(std::string& list, const std::string& item, const char* separator) {
    list += (list.empty() ? "" : separator) + item;
}

} // namespace

void Scene::Apply(const std::string& changes) {
    std::istringstream tokens(changes);
    std::string token;
    while (tokens >> token) {
        const std::size_t equals = token.find('=');
        std::string value = token.substr(equals + 1);
        std::replace(value.begin(), value.end(), ',', ' ');
        if (value == "gone") { // a window destroyed has no other items
            const std::string window = token.substr(0, equals) + ".";
            for (auto item = items.begin(); item != items.end();) {
                item = item->first.compare(0, window.size(), window) == 0 ? items.erase(item)
                                                                          : std::next(item);
            }
            items[window + "visible"] = value;
        } else if (equals > 0 && token[equals - 1] == '+') {
            Append(items[token.substr(0, equals - 1)], value, token[0] == 'a' ? "; " : " ");
        } else {
            items[token.substr(0, equals)] = value;
        }
    }
}

// A window's items on one line.
std::string Scene::Text() const {
    std::string text, window;
    for (const auto& [key, value] : items) {
        const std::size_t dot = key.find('.');
        const std::string owner = dot == std::string::npos ? "" : key.substr(0, dot);
        if (owner.empty() || owner != window) {
            text += (text.empty() ? "" : "\n") + (owner.empty() ? key : owner) + ":";
        }
        window = owner;
        text += " " + (owner.empty() ? value : key.substr(dot + 1) + "=" + value);
    }
    return text + "\n";
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

std::string CSceneCamera::NamesOf(const std::vector<HWND>& windows) const {
    std::string names;
    for (HWND window : windows) {
        names += (names.empty() ? "" : " ") + NameOf(window);
    }
    return names;
}

void CSceneCamera::AddWindows(Scene& scene) const {
    for (const auto& [name, window] : m_named) {
        if (!::IsWindow(window)) {
            scene.items[name + ".visible"] = "gone";
            continue;
        }
        const LONG exStyle = ::GetWindowLongA(window, GWL_EXSTYLE);
        BYTE alpha = 0;
        const bool layered = (exStyle & WS_EX_LAYERED) &&
                             ::GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
        std::map<std::string, std::string>& items = scene.items;
        items[name + ".visible"] = std::to_string(::IsWindowVisible(window) != 0);
        items[name + ".minimized"] = std::to_string(::IsIconic(window) != 0);
        items[name + ".maximized"] = std::to_string(::IsZoomed(window) != 0);
        items[name + ".topmost"] = std::to_string((exStyle & WS_EX_TOPMOST) != 0);
        items[name + ".alpha"] = layered ? std::to_string(alpha) : "-";
        items[name + ".owner"] = NameOf(::GetWindow(window, GW_OWNER));
        if (name != "bar") { // its place is an item of its own
            items[name + ".rect"] = Rect(WindowRect(window));
        }
    }
    // Where a hidden window sits shows nowhere.
    std::vector<HWND> stack;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (NameOf(w)[0] != '?' && ::IsWindowVisible(w)) {
            stack.push_back(w);
        }
    }
    scene.items["stack"] = NamesOf(stack);
}

CSkinButton& ButtonOf(CButtonBarDlg& bar, UINT id) {
    CBarButtons& buttons = bar.Buttons();
    return id == IDC_HIDE      ? buttons.hide
           : id == IDC_TOPMOST ? buttons.topmost
                               : buttons.transparency;
}

// The bar's place and faces, and the window in front.
void CSceneCamera::AddBar(Scene& scene, CButtonBarDlg& bar) const {
    std::map<std::string, std::string>& items = scene.items;
    // What the platform puts in front when nothing else is left varies.
    items["foreground"] = NameOf(::GetForegroundWindow());
    items["foreground"] = items["foreground"][0] == '?' ? "-" : items["foreground"];
    items["target"] = NameOf(bar.Tracker().Target());
    const RECT place = WindowRect(bar.m_hWnd);
    items["bar"] = IsCollapsed(bar.m_hWnd) ? "collapsed" : "at " + Rect(place);
    for (const auto& [name, window] : m_named) {
        const POINT on = BarPlaceOn(window);
        const RECT want = {on.x, on.y, on.x + BarSizeAt96().cx, on.y + BarSizeAt96().cy};
        items["bar"] = name != "bar" && items["bar"][0] == 'a' && ::EqualRect(&want, &place)
                           ? "on " + name
                           : items["bar"];
    }
    items["A"] = std::to_string(ButtonOf(bar, IDC_TOPMOST).GetState());
    items["T"] = std::to_string(ButtonOf(bar, IDC_TRANSPARENCY).GetState());
}

// The program's list, its file and icons, and the dialog's lists, selection and check marks.
void CSceneCamera::AddLists(Scene& scene, CButtonBarDlg& bar) const {
    std::map<std::string, std::string>& items = scene.items;
    const CWindowProcessingDlg& dialog = *bar.ProcessingDlg();
    items["hidden"] = NamesOf(bar.HiddenWindowList().Windows());
    items["listed"] = NamesOf(dialog.WindowHandles());
    items["listedHidden"] = NamesOf(dialog.HiddenHandles());
    items["dialog"] = WindowTitle(::GetDlgItem(dialog.m_hWnd, IDC_HIDESHOW));
    const std::pair<int, const char*> marks[] = {
        {IDC_PARENTS, "parents"},       {IDC_PARENTSCHILDS, "childs"},  {IDC_VERTICAL, "vertical"},
        {IDC_HORIZONTAL, "horizontal"}, {IDC_RECTANGLES, "rectangles"}, {IDC_SHOWALLHIDDEN, "all"},
        {IDC_SHOWOWNHIDDEN, "own"}};
    for (const auto& [id, name] : marks) {
        items["dialog"] += ::IsDlgButtonChecked(dialog.m_hWnd, id) ? std::string(" ") + name : "";
    }
    std::vector<HWND> selected, carried, inFile;
    for (const auto& [list, handles] : {std::pair{IDC_WINDOWLIST, &dialog.WindowHandles()},
                                        {IDC_HIDDENLIST, &dialog.HiddenHandles()}}) {
        for (std::size_t i = 0; i < handles->size(); ++i) {
            if (::SendDlgItemMessageA(dialog.m_hWnd, list, LB_GETSEL, i, 0) > 0) {
                selected.push_back((*handles)[i]);
            }
        }
    }
    items["selected"] = NamesOf(selected);
    for (const auto& icon : bar.HiddenWindowIcons().All()) {
        carried.push_back(icon->GetCarriedWindow());
    }
    items["icons"] = NamesOf(carried);
    for (const HiddenWindowEntry& entry :
         ParseHiddenWindows(ReadFileBytes(CHiddenWindowStore::ProgramFile()))) {
        inFile.push_back(entry.window);
    }
    items["hid"] = NamesOf(inFile);
}

// The questions asked, the settings file, the timers and the messages waiting for the bar.
void CSceneCamera::AddRest(Scene& scene, CButtonBarDlg& bar,
                           const CScriptedInteraction& interaction) const {
    std::map<std::string, std::string>& items = scene.items;
    for (const std::string& box : interaction.m_messageBoxes) { // "text|caption|type"
        const std::size_t caption = box.find('|') + 1;
        Append(items["asked"], box.substr(caption, box.rfind('|') - caption), "; ");
    }
    for (const MenuCall& menu : interaction.m_menus) {
        std::string owner = NameOf(menu.owner);
        for (const auto& [id, name] :
             {std::pair{IDC_HIDE, "H"}, {IDC_TOPMOST, "A"}, {IDC_TRANSPARENCY, "T"}}) {
            owner = menu.owner == ButtonOf(bar, id).m_hWnd ? name : owner;
        }
        Append(items["asked"], "menu of " + owner, "; ");
    }
    for (const std::string& balloon : interaction.m_balloons) {
        Append(items["asked"], "balloon " + balloon, "; ");
    }
    std::string& cfg = items["cfg"] = ReadFileBytes(CWinApp::ProgramFile("Paneward.cfg"));
    std::replace(cfg.begin(), cfg.end(), '\r', ' ');
    std::replace(cfg.begin(), cfg.end(), '\n', '|');
    for (const CWindowTimer* timer : {&bar.Tracker().Timer(), &bar.AutoMaximizer().Timer()}) {
        if (timer->Period()) {
            Append(items["timers"],
                   std::to_string(timer->Id()) + ":" + std::to_string(timer->Period()), " ");
        }
    }
    for (const MSG& msg : QueuedMessages()) {
        // A timer's message comes whenever it is due.
        if (msg.hwnd == bar.m_hWnd && msg.message != WM_TIMER) {
            Append(items["queued"], std::to_string(msg.message) + ":" + std::to_string(msg.wParam),
                   " ");
        }
    }
}

Scene CSceneCamera::Take(CButtonBarDlg& bar, const CScriptedInteraction& interaction) const {
    CSceneCamera camera = *this;
    camera.Name("bar", bar.m_hWnd);
    camera.Name("processing", bar.ProcessingDlg()->m_hWnd);
    if (bar.PreferencesDlg()) {
        camera.Name("preferences", bar.PreferencesDlg()->m_hWnd);
    }
    if (const CTransparencyDlg* popup = bar.Actions().Transparency().Popup()) {
        camera.Name("pop-up", popup->m_hWnd);
    }
    Scene scene;
    for (const char* listed : {"asked", "timers", "queued"}) { // shown even when empty
        scene.items[listed];
    }
    camera.AddWindows(scene);
    camera.AddBar(scene, bar);
    camera.AddLists(scene, bar);
    camera.AddRest(scene, bar, interaction);
    return scene;
}

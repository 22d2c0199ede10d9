#include "tests/Scene.h"

#include "app/ButtonBarDlg.h"
#include "app/PreferencesDlg.h"
#include "platform/WinApp.h"
#include "processing/HiddenWindowStore.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <utility>

namespace {

std::string Rect(const RECT& rect) {
    return std::to_string(rect.left) + ":" + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

void Append(std::string& list, const std::string& item, const char* separator) {
    list += (list.empty() ? "" : separator) + item;
}

std::string Base(const std::string& path) {
    return path.substr(path.rfind('\\') + 1);
}

// The names of what a pattern finds, folders or files.
std::vector<std::string> Found(const std::string& pattern, bool folders) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(search, &found)) {
        if (((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folders &&
            found.cFileName[0] != '.') {
            names.push_back(found.cFileName);
        }
    }
    ::FindClose(search);
    return names;
}

// The picture a button shows, 1:1 or stretched, named by its file: "up" or "down" (and
// "-150", a scale's) for its own in the settings' skin, "Skin/FILE" for another skin's;
// "-": nothing drawn, "?": no picture.
std::string FaceOf(HWND button, char letter, const std::string& skin,
                   std::vector<std::string> folders) {
    RECT client = {};
    ::GetClientRect(button, &client);
    const SIZE size = {client.right, client.bottom};
    const std::vector<DWORD> drawn = Pixels(size, button);
    if (drawn == Pixels(size, nullptr)) {
        return "-";
    }
    static std::map<std::string, std::vector<DWORD>> pictures; // by size, path and stretch
    const auto shows = [&](const std::string& path, bool stretched) {
        const std::string key = Rect(client) + (stretched ? "~" : "") + path;
        const auto known = pictures.find(key);
        return drawn == (known != pictures.end()
                             ? known->second
                             : pictures[key] = Pixels(size, nullptr, path, stretched));
    };
    // The skin's own folder first: another may hold the same pictures.
    std::stable_partition(folders.begin(), folders.end(),
                          [&](const std::string& folder) { return Base(folder) == Base(skin); });
    for (const std::string& folder : folders) {
        for (std::string name : Found(folder + "\\*.BMP", false)) {
            if (!shows(folder + "\\" + name, false) && !shows(folder + "\\" + name, true)) {
                continue;
            }
            name = name.substr(0, name.size() - 4);
            if (Base(folder) != Base(skin)) {
                return Base(folder) + "/" + name;
            }
            std::transform(name.begin(), name.end(), name.begin(), ::tolower);
            return name[0] == std::tolower(letter) ? name.substr(2) : name;
        }
    }
    return "?";
}

// A dialog's controls that change: check boxes checked or not ("x": disabled), sliders'
// "least-most@position", labels' texts without spaces.
std::string ControlsOf(HWND dialog) {
    std::string controls;
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        char name[32] = "";
        ::GetClassNameA(c, name, sizeof name);
        const auto send = [c](UINT message) {
            return std::to_string(::SendMessageA(c, message, 0, 0));
        };
        std::string shown;
        if (::lstrcmpiA(name, TRACKBAR_CLASSA) == 0) {
            shown = send(TBM_GETRANGEMIN) + "-" + send(TBM_GETRANGEMAX) + "@" + send(TBM_GETPOS);
        } else if (::lstrcmpiA(name, "Button") == 0 &&
                   (::GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
            shown = send(BM_GETCHECK);
        } else if ((::GetDlgCtrlID(c) & 0xFFFF) != 0xFFFF && ::lstrcmpiA(name, "Static") == 0) {
            shown = WindowTitle(c);
            shown.erase(std::remove(shown.begin(), shown.end(), ' '), shown.end());
        }
        if (!shown.empty()) {
            Append(controls, (::IsWindowEnabled(c) ? "" : "x") + shown, " ");
        }
    }
    return controls;
}

std::string FieldsOf(const BarSettings& s) {
    return s.skinName + "|" + std::to_string(s.autoMaximize) + "|" +
           std::to_string(s.autoMaximizeInterval) + "|" + std::to_string(s.windowTimerEnabled) +
           "|" + std::to_string(s.windowTimerInterval);
}

// A list box's lines, "|" between them.
std::string LinesOf(HWND list) {
    std::string lines;
    for (WPARAM i = 0; i < static_cast<WPARAM>(::SendMessageA(list, LB_GETCOUNT, 0, 0)); ++i) {
        std::string text(::SendMessageA(list, LB_GETTEXTLEN, i, 0) + 1, '\0');
        ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        Append(lines, text.c_str(), "|");
    }
    return lines;
}

std::string TipOf(HWND window) {
    return ("Hidden window: " + WindowTitle(window)).substr(0, 127); // a tip's 127 bytes
}

constexpr std::pair<UINT, char> kFaces[] = {
    {IDC_HIDE, 'H'}, {IDC_TOPMOST, 'A'}, {IDC_TRANSPARENCY, 'T'}};

} // namespace

std::pair<std::string, std::string> KeptSettings() {
    for (const std::string& path : KeptFile::Named("Paneward.cfg").ReadOrder()) {
        if (FileExists(path)) {
            return {path, ReadFileBytes(path)};
        }
    }
    return {};
}

CSkinButton& ButtonOf(CButtonBarDlg& bar, UINT id) {
    CBarButtons& buttons = bar.Buttons();
    return id == IDC_HIDE      ? buttons.hide
           : id == IDC_TOPMOST ? buttons.topmost
                               : buttons.transparency;
}

void Scene::Apply(const std::string& changes) {
    std::istringstream tokens(changes);
    for (std::string token; tokens >> token;) {
        const std::size_t equals = token.find('=');
        std::string key = token.substr(0, equals), value = token.substr(equals + 1);
        std::replace(value.begin(), value.end(), ',', ' ');
        if (value == "gone") { // a window destroyed has no other items
            for (auto item = items.lower_bound(key + ".");
                 item != items.end() && item->first.rfind(key + ".", 0) == 0;) {
                item = items.erase(item);
            }
            items[key + ".visible"] = value;
        } else if (key.back() == '+') {
            key.pop_back();
            Append(items[key], value, key == "asked" ? "; " : " ");
        } else {
            items[key] = value;
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
    for (const auto& [name, named] : m_named) {
        if (named == window) {
            return name;
        }
    }
    char windowClass[64] = "";
    ::GetClassNameA(window, windowClass, sizeof windowClass);
    return window ? std::string("?") + windowClass : "-";
}

std::string CSceneCamera::NamesOf(const std::vector<HWND>& windows) const {
    std::string names;
    for (HWND window : windows) {
        Append(names, NameOf(window), " ");
    }
    return names;
}

std::string CSceneCamera::FaceOf(CButtonBarDlg& bar, UINT id, char letter) const {
    return ::FaceOf(ButtonOf(bar, id).m_hWnd, letter, bar.Settings().skinName, m_skinFolders);
}

// Each window's state, the stack of those shown, the bar's place and faces.
void CSceneCamera::AddWindows(Scene& scene, CButtonBarDlg& bar) const {
    std::map<std::string, std::string>& items = scene.items;
    for (const auto& [name, window] : m_named) {
        if (!::IsWindow(window)) {
            items[name + ".visible"] = "gone";
            continue;
        }
        const int alpha = LayeredAlpha(window);
        items[name + ".visible"] = std::to_string(::IsWindowVisible(window) != 0);
        items[name + ".minimized"] = std::to_string(::IsIconic(window) != 0);
        items[name + ".maximized"] = std::to_string(::IsZoomed(window) != 0);
        items[name + ".topmost"] = std::to_string(InTopmostBand(window));
        items[name + ".alpha"] = alpha < 0 ? "-" : std::to_string(alpha);
        items[name + ".owner"] = NameOf(::GetWindow(window, GW_OWNER));
        if (name != "bar") { // its place is an item of its own
            items[name + ".rect"] = Rect(WindowRect(window));
        }
    }
    std::vector<HWND> stack;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (NameOf(w)[0] != '?' && ::IsWindowVisible(w)) {
            stack.push_back(w);
        }
    }
    items["stack"] = NamesOf(stack);
    // What the platform puts in front when nothing else is left varies.
    items["foreground"] = NameOf(::GetForegroundWindow());
    items["foreground"] = items["foreground"][0] == '?' ? "-" : items["foreground"];
    items["target"] = NameOf(bar.Tracker().Target());
    items["bar"] = IsCollapsed(bar.m_hWnd) ? "collapsed" : "at " + Rect(WindowRect(bar.m_hWnd));
    for (const auto& [id, letter] : kFaces) {
        items[std::string(1, letter)] = FaceOf(bar, id, letter);
    }
}

// The program's list, the catalogue's shown windows, the dialog's selection and check marks,
// the settings and the timers.
void CSceneCamera::AddLists(Scene& scene, CButtonBarDlg& bar) const {
    std::map<std::string, std::string>& items = scene.items;
    const HWND dialog = bar.ProcessingDlg()->m_hWnd;
    const CWindowCatalogue& catalogue = bar.Catalogue();
    items["hidden"] = NamesOf(bar.HiddenWindowList().Windows());
    items["listed"] = NamesOf(catalogue.Windows());
    std::vector<HWND> named; // the catalogue's hidden windows under "all"; "own"'s are checked
    if (catalogue.ShowsAll()) {
        std::copy_if(catalogue.Hidden().begin(), catalogue.Hidden().end(),
                     std::back_inserter(named), [&](HWND w) { return NameOf(w)[0] != '?'; });
    }
    items["all"] = NamesOf(named);
    items["dialog"] = WindowTitle(::GetDlgItem(dialog, IDC_HIDESHOW));
    const std::pair<int, const char*> marks[] = {
        {IDC_PARENTS, "parents"},       {IDC_PARENTSCHILDS, "childs"},  {IDC_VERTICAL, "vertical"},
        {IDC_HORIZONTAL, "horizontal"}, {IDC_RECTANGLES, "rectangles"}, {IDC_SHOWALLHIDDEN, "all"},
        {IDC_SHOWOWNHIDDEN, "own"}};
    for (const auto& [id, name] : marks) {
        items["dialog"] += ::IsDlgButtonChecked(dialog, id) ? std::string(" ") + name : "";
    }
    for (const auto& [list, handles] :
         {std::pair{IDC_WINDOWLIST, &catalogue.Windows()}, {IDC_HIDDENLIST, &catalogue.Hidden()}}) {
        for (std::size_t i = 0; i < handles->size(); ++i) {
            if (::SendDlgItemMessageA(dialog, list, LB_GETSEL, i, 0) > 0) {
                Append(items["selected"], NameOf((*handles)[i]), " ");
            }
        }
    }
    items["settings"] = FieldsOf(bar.Settings());
    for (const CWindowTimer* timer : {&bar.Tracker().Timer(), &bar.AutoMaximizer().Timer()}) {
        if (timer->Period()) {
            Append(items["timers"],
                   std::to_string(timer->Id()) + ":" + std::to_string(timer->Period()), " ");
        }
    }
}

// The questions asked, the notification area, and the dialogs' controls.
void CSceneCamera::AddAsked(Scene& scene, CButtonBarDlg& bar,
                            const CScriptedInteraction& interaction) const {
    std::map<std::string, std::string>& items = scene.items;
    // The program's own boxes by their text, the others by their caption.
    for (std::string box : interaction.m_messageBoxes) { // "text|caption|type"
        std::replace(box.begin(), box.end(), '\n', ' ');
        const std::size_t caption = box.find('|') + 1;
        const std::string shown = box.substr(caption, box.rfind('|') - caption);
        Append(items["asked"], shown == "Panewarden" ? box.substr(0, caption - 1) : shown, "; ");
    }
    for (const MenuCall& menu : interaction.m_menus) {
        std::string owner = NameOf(menu.owner);
        for (const auto& [id, letter] : kFaces) {
            owner = menu.owner == ButtonOf(bar, id).m_hWnd ? std::string(1, letter) : owner;
        }
        Append(items["asked"], "menu of " + owner, "; ");
    }
    for (const std::string& balloon : interaction.m_balloons) {
        Append(items["asked"], "balloon " + balloon, "; ");
    }
    // A hidden window's icon is its small one, its big one or another.
    for (const auto& icon : interaction.m_trayIcons) {
        std::string tip = icon.tip == "Panewarden - Controll your windows" ? "program" : icon.tip;
        for (const auto& [name, window] : m_named) {
            const auto its = [&, w = window](WPARAM size) {
                return reinterpret_cast<HICON>(::SendMessageA(w, WM_GETICON, size, 0)) == icon.icon;
            };
            if (tip == TipOf(window)) {
                tip = name + (its(ICON_SMALL) ? ":small" : its(ICON_BIG) ? ":big" : ":other");
            }
        }
        std::replace(tip.begin(), tip.end(), ' ', '_');
        Append(items["tray"], tip, " ");
    }
    for (const auto& [name, window] : m_named) {
        if (name == "preferences" || name == "pop-up") {
            items[name + ".controls"] = ControlsOf(window);
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
    for (const char* listed : {"asked", "selected", "timers", "tray"}) { // shown even when empty
        scene.items[listed];
    }
    camera.AddWindows(scene, bar);
    camera.AddLists(scene, bar);
    camera.AddAsked(scene, bar, interaction);
    return scene;
}

std::vector<std::string> CSceneCamera::GfxSkinFolders() {
    std::vector<std::string> folders;
    const std::string gfx = CWinApp::ProgramFile("gfx");
    for (const std::string& name : Found(gfx + "\\*", true)) {
        folders.push_back(gfx + "\\" + name);
    }
    return folders;
}

// The hidden windows: the list, what a next start reads, the catalogue and the dialog under
// "own", the icons and the buttons' menu agree, and none is shown.
void CSceneCamera::CheckHidden(CButtonBarDlg& bar, CScriptedInteraction& interaction,
                               const Check& check) const {
    const std::vector<HWND>& hidden = bar.HiddenWindowList().Windows();
    std::vector<HWND> inFile, iconed;
    for (const HiddenWindowEntry& entry : CHiddenWindowStore(CHiddenWindowStore::File()).Load()) {
        inFile.push_back(entry.window);
    }
    check(inFile == hidden, "the file holds " + NamesOf(inFile));
    for (HWND window : hidden) {
        check(!::IsWindowVisible(window), NameOf(window) + " hidden is shown");
    }
    const CWindowCatalogue& catalogue = bar.Catalogue();
    check(catalogue.ShowsAll() || catalogue.Hidden() == hidden,
          "the catalogue hides " + NamesOf(catalogue.Hidden()));
    std::string titles, shown; // of the catalogue's hidden and shown windows
    for (HWND window : catalogue.Hidden()) {
        Append(titles, WindowTitle(window), "|");
    }
    for (const std::string& title : catalogue.Titles()) {
        Append(shown, title, "|");
    }
    for (const auto& [list, expected] :
         {std::pair{IDC_WINDOWLIST, shown}, {IDC_HIDDENLIST, titles}}) {
        const std::string lines = LinesOf(::GetDlgItem(bar.ProcessingDlg()->m_hWnd, list));
        check(lines == expected, "the dialog lists " + lines);
    }
    for (const auto& icon : interaction.m_trayIcons) {
        const auto of = std::find_if(hidden.begin(), hidden.end(),
                                     [&](HWND window) { return icon.tip == TipOf(window); });
        if (icon.tip.rfind("Hidden window: ", 0) == 0) {
            check(of != hidden.end() && !Contains(iconed, *of), "an icon for " + icon.tip);
            iconed.push_back(of != hidden.end() ? *of : nullptr);
        }
    }
    // Last, as its menu may take the front; no scripted choice is taken.
    const std::deque<UINT> choices = std::exchange(interaction.m_menuChoices, {});
    const std::size_t menus = interaction.m_menus.size();
    ButtonOf(bar, IDC_HIDE).SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    std::string inMenu = "none";
    if (interaction.m_menus.size() > menus) {
        inMenu.clear();
        for (const std::string& line : interaction.m_menus.back().lines) {
            if (line.rfind("Hidden windows/", 0) == 0) {
                Append(inMenu, line.substr(15, line.rfind(' ') - 15), "|");
            }
        }
        interaction.m_menus.pop_back();
    }
    interaction.m_menuChoices = choices;
    check(inMenu == (titles.empty() ? "<there are no hidden windows>" : titles),
          "the menu hides " + inMenu);
}

// Each read where the user or a next start finds it, not from the program's own account.
std::string CSceneCamera::Broken(CButtonBarDlg& bar, CScriptedInteraction& interaction,
                                 const std::pair<std::string, std::string>& settingsBefore) const {
    std::string broken;
    const Check check = [&](bool holds, const std::string& what) {
        if (!holds) {
            Append(broken, what, "; ");
        }
    };
    // The bar on the target's caption, its faces showing its real topmost and layered state.
    const HWND target = bar.Tracker().Target();
    if (!IsCollapsed(bar.m_hWnd)) {
        const RECT place = WindowRect(bar.m_hWnd), frame = WindowRect(target);
        POINT client = {0, 0};
        ::ClientToScreen(target, &client);
        check(::IsWindowVisible(target) && place.left >= frame.left && place.right <= frame.right &&
                  place.top >= frame.top && place.top < client.y,
              "the bar is off " + NameOf(target) + "'s caption");
        for (const auto& [id, letter, down] :
             {std::tuple{IDC_TOPMOST, 'A', InTopmostBand(target)},
              {IDC_TRANSPARENCY, 'T', LayeredAlpha(target) >= 0}}) {
            std::string face = FaceOf(bar, id, letter);
            std::transform(face.begin(), face.end(), face.begin(), ::tolower);
            check(face.find(down ? "up" : "down") == std::string::npos,
                  std::string(1, letter) + " shows " + face);
        }
    }
    // A save leaves in the file a next start reads what is in memory.
    const std::pair<std::string, std::string> settings = KeptSettings();
    BarSettings read;
    read.SetDefaults();
    read.Read(settings.first);
    check(settings == settingsBefore || FieldsOf(read) == FieldsOf(bar.Settings()),
          "the file keeps " + FieldsOf(read));
    CheckHidden(bar, interaction, check);
    return broken;
}

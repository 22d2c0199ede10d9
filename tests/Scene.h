// One comparable value of everything an action on the bar's world may change, a line per
// window and per item: a comparison of the whole shows what went missing or came uninvited.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

class CButtonBarDlg;
class CScriptedInteraction;
class CSkinButton;

// The settings' file a next start reads, and what it holds.
std::pair<std::string, std::string> KeptSettings();
// H, A or T by its control id.
CSkinButton& ButtonOf(CButtonBarDlg& bar, UINT id);

// Items by name: "First.visible" for a window's, "stack" (the windows shown, top first), "H",
// "A" and "T" (the faces drawn), "tray", "settings", "hidden" (the program's list), "listed"
// (the catalogue's shown windows), "all" (its hidden ones, under "all"), "selected" and
// "dialog" (the dialog's button and marks).
struct Scene {
    std::map<std::string, std::string> items;

    // "key=value ...", a value's spaces as commas; "key+=value" adds to a list, "Name=gone"
    // is a window destroyed.
    void Apply(const std::string& changes);
    std::string Text() const;
};

// Names the windows a scene is made of; the bar's own windows are named by it.
class CSceneCamera {
public:
    void Name(const std::string& name, HWND window) { m_named.emplace_back(name, window); }
    std::string NameOf(HWND window) const; // "-": none, "?" and its class: not in the scene
    Scene Take(CButtonBarDlg& bar, const CScriptedInteraction& interaction) const;
    // What must hold after every act, "" when it does: the hidden windows listed alike
    // everywhere and none shown, the faces showing the target's state, the bar on its
    // caption or collapsed, and a save of the settings leaving them in the file.
    std::string Broken(CButtonBarDlg& bar, CScriptedInteraction& interaction,
                       const std::pair<std::string, std::string>& settingsBefore) const;
    // Where the faces shown may come from: each skin's folder.
    static std::vector<std::string> GfxSkinFolders();
    std::vector<std::string> m_skinFolders = GfxSkinFolders();

private:
    using Check = std::function<void(bool, const std::string&)>;
    std::string NamesOf(const std::vector<HWND>& windows) const;
    std::string FaceOf(CButtonBarDlg& bar, UINT id, char letter) const;
    void AddWindows(Scene& scene, CButtonBarDlg& bar) const;
    void AddLists(Scene& scene, CButtonBarDlg& bar) const;
    void AddAsked(Scene& scene, CButtonBarDlg& bar, const CScriptedInteraction& interaction) const;
    void CheckHidden(CButtonBarDlg& bar, CScriptedInteraction& interaction,
                     const Check& check) const;

    std::vector<std::pair<std::string, HWND>> m_named;
};

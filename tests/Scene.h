// One comparable value of everything an action on the bar's world may change, printed one
// line per item: a comparison of the whole shows what went missing or came uninvited.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

class CButtonBarDlg;
class CScriptedInteraction;

struct SceneWindow {
    bool visible = false, minimized = false, maximized = false, topmost = false;
    int alpha = -1; // -1: not layered
    RECT rect = {};
    std::string owner = "-"; // by name
};

struct Scene {
    std::map<std::string, SceneWindow> windows;
    std::vector<std::string> stack;      // the windows shown, top first
    std::string foreground, target, bar; // names; bar: "collapsed", "on NAME" or "at X,Y"
    int faceA = 0, faceT = 0;
    std::vector<std::string> hidden, icons, hidFile; // names, in order
    std::string cfgFile;
    std::vector<std::string> asked;  // boxes ("text|caption|type") and menus ("menu of NAME")
    std::map<UINT, UINT> timers;     // id: period
    std::vector<std::string> queued; // posted to the bar: "message wParam"

    SceneWindow& operator[](const std::string& name) { return windows.at(name); }
    // Puts the window at that place of the stack, where a shown window goes.
    void Put(const std::string& name, std::size_t place);
    // Hidden, it leaves the stack.
    void Hide(const std::string& name);
    std::string Text() const;
};

// Names the windows a scene is made of; the bar's own windows are named by it.
class CSceneCamera {
public:
    void Name(const std::string& name, HWND window) { m_named.emplace_back(name, window); }
    std::string NameOf(HWND window) const; // "-": none, "?": not in the scene
    Scene Take(CButtonBarDlg& bar, const CScriptedInteraction& interaction);

private:
    std::vector<std::pair<std::string, HWND>> m_named;
};

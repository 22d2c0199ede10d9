// The windows' catalogue: the shown windows, parents only or with their children, and the
// hidden ones, the program's list ("own") or every hidden titled window ("all"). Entry i of
// either is the window at i, for the menus, the numbered commands and the dialog alike. It
// is rebuilt from a fresh enumeration and announces every rebuild and change of choice.
#pragma once

#include "platform/DpiCalls.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CHiddenWindowList;

// What the catalogue goes by for one window as enumerated.
struct CatalogueFacts {
    bool visible; // as the hidden windows' list settles it
    bool child;   // it has a parent or an owner
    bool cloaked;
    std::string title;
};

enum class Listed { Nowhere, Shown, Hidden };

// Where a window is listed under the two choices. Under "own" no enumerated window is hidden:
// the program's list is taken whole.
Listed ListedAs(const CatalogueFacts& window, bool parentsOnly, bool showAll);

class CWindowCatalogue {
public:
    // Its "own" windows are the list's; the calls tell a cloaked window, listed nowhere.
    CWindowCatalogue(CHiddenWindowList& hiddenWindows, const CDpiCalls& dpiCalls)
        : m_hiddenWindows(hiddenWindows), m_dpiCalls(dpiCalls) {}

    void Listen(std::function<void()> listener) { m_listener = std::move(listener); }

    // Front to back as last enumerated, with their titles then.
    const std::vector<HWND>& Windows() const { return m_windows; }
    const std::vector<std::string>& Titles() const { return m_titles; }
    const std::vector<HWND>& Hidden() const { return m_hidden; }
    // The window of an entry; null beyond the entries.
    HWND WindowAt(std::size_t index) const { return At(m_windows, index); }
    HWND HiddenAt(std::size_t index) const { return At(m_hidden, index); }

    bool ParentsOnly() const { return m_parentsOnly; }
    bool ShowsAll() const { return m_showAll; }
    // Each choice rebuilds the catalogue.
    void SetParentsOnly(bool parentsOnly);
    void SetShowAll(bool showAll);

    void Refresh();

private:
    static HWND At(const std::vector<HWND>& windows, std::size_t index) {
        return index < windows.size() ? windows[index] : nullptr;
    }
    static BOOL CALLBACK EnumWindowsCallback(HWND window, LPARAM catalogue);
    void List(HWND window);

    CHiddenWindowList& m_hiddenWindows;
    CDpiCalls m_dpiCalls;
    std::function<void()> m_listener;
    std::vector<HWND> m_windows;
    std::vector<std::string> m_titles;
    std::vector<HWND> m_hidden;
    bool m_parentsOnly = true;
    bool m_showAll = false;
};

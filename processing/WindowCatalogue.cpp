#include "processing/WindowCatalogue.h"

#include "platform/Wnd.h"
#include "processing/HiddenWindowList.h"

void CWindowCatalogue::SetParentsOnly(bool parentsOnly) {
    m_parentsOnly = parentsOnly;
    Refresh();
}

void CWindowCatalogue::SetShowAll(bool showAll) {
    m_showAll = showAll;
    Refresh();
}

// Under "own" the program's list is taken whole, whatever its windows' titles read.
void CWindowCatalogue::Refresh() {
    m_windows.clear();
    m_titles.clear();
    m_hidden.clear();
    ::EnumWindows(&CWindowCatalogue::EnumWindowsCallback, reinterpret_cast<LPARAM>(this));
    if (!m_showAll) {
        m_hidden = m_hiddenWindows.Windows();
    }
    if (m_listener) {
        m_listener();
    }
}

BOOL CALLBACK CWindowCatalogue::EnumWindowsCallback(HWND window, LPARAM catalogue) {
    reinterpret_cast<CWindowCatalogue*>(catalogue)->List(window);
    return TRUE;
}

// A cloaked window is shown to the platform but not on the screen (another virtual desktop,
// a suspended Store app): neither list has it, so nothing hides it either.
void CWindowCatalogue::List(HWND window) {
    if (!m_hiddenWindows.SettleVisibility(window, ::IsWindowVisible(window))) {
        if (m_showAll && !WindowTitle(window).empty()) {
            m_hidden.push_back(window);
        }
        return;
    }
    if (m_parentsOnly && ::GetParent(window)) {
        return;
    }
    std::string title = WindowTitle(window);
    if (title == "Window processing" || title == "Program Manager" || title.empty() ||
        m_dpiCalls.IsCloaked(window)) {
        return;
    }
    m_windows.push_back(window);
    m_titles.push_back(std::move(title));
}

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
Listed ListedAs(const CatalogueFacts& window, bool parentsOnly, bool showAll) {
    if (!window.visible) {
        return showAll && !window.title.empty() ? Listed::Hidden : Listed::Nowhere;
    }
    if ((parentsOnly && window.child) || window.title == "Window processing" ||
        window.title == "Program Manager" || window.title.empty() || window.cloaked) {
        return Listed::Nowhere;
    }
    return Listed::Shown;
}

void CWindowCatalogue::List(HWND window) {
    CatalogueFacts facts = {m_hiddenWindows.SettleVisibility(window, ::IsWindowVisible(window)),
                            ::GetParent(window) != nullptr, m_dpiCalls.IsCloaked(window),
                            WindowTitle(window)};
    const Listed listed = ListedAs(facts, m_parentsOnly, m_showAll);
    if (listed == Listed::Shown) {
        m_windows.push_back(window);
        m_titles.push_back(std::move(facts.title));
    } else if (listed == Listed::Hidden) {
        m_hidden.push_back(window);
    }
}

// The hidden-window icons: one in the notification area per window hidden with H, in order
// of creation, whose double-click shows its window again. An icon goes when its window
// leaves the hidden-window list.
#pragma once

#include "tray/SystemTray.h"

#include <memory>
#include <vector>

class CWindowCalls;

class CHiddenWindowIcons {
public:
    explicit CHiddenWindowIcons(CUserInteraction& interaction) : m_interaction(interaction) {}

    using Icons = std::vector<std::unique_ptr<CSystemTray>>;
    const Icons& All() const { return m_icons; }

    // Its double-click sends WM_APP_RESTOREWINDOW to notify.
    void Add(const CWindowCalls& window, CWnd* notify);
    // The first icon that carries the window, if there is one.
    void Remove(HWND window);
    void Clear() { m_icons.clear(); }

private:
    CUserInteraction& m_interaction;
    Icons m_icons;
};

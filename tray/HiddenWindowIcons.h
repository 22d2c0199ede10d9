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
    static constexpr UINT kMessage = WM_APP + 100; // + n for icon n
    // What a double-click sends the notify window: show the window in lParam again.
    static constexpr UINT kRestoreMessage = WM_APP + 2;

    explicit CHiddenWindowIcons(CUserInteraction& interaction) : m_interaction(interaction) {}

    using Icons = std::vector<std::unique_ptr<CSystemTray>>;
    const Icons& All() const { return m_icons; }

    // Its double-click sends kRestoreMessage to notify.
    void Add(const CWindowCalls& window, CWnd* notify);
    // The first icon that carries the window, if there is one.
    void Remove(HWND window);
    void Clear() { m_icons.clear(); }

private:
    CUserInteraction& m_interaction;
    Icons m_icons;
};

#include "app/WindowActions.h"

#include "platform/WindowCalls.h"
#include "windows/Topmost.h"

#include <algorithm>

namespace {
const char kRefusedText[] =
    "Panewarden cannot change this window: its program runs with higher rights.";
} // namespace

CWindowActions::CWindowActions(CWnd& bar, CBarTracker& tracker, CTargetTransparency& transparency,
                               CHiddenWindowList& hiddenWindows, CWindowCatalogue& catalogue,
                               CBarButtons& buttons, CSystemTray& trayIcon,
                               CUserInteraction& interaction)
    : m_bar(bar), m_tracker(tracker), m_hiddenWindows(hiddenWindows), m_catalogue(catalogue),
      m_icons(interaction), m_buttons(buttons), m_transparency(transparency), m_trayIcon(trayIcon) {
}

// No box: the user's work goes on. A destroyed window's handle may come back on another.
void CWindowActions::TellRefused(HWND window) {
    m_toldRefused.erase(std::remove_if(m_toldRefused.begin(), m_toldRefused.end(),
                                       [](HWND told) { return !::IsWindow(told); }),
                        m_toldRefused.end());
    if (std::find(m_toldRefused.begin(), m_toldRefused.end(), window) != m_toldRefused.end()) {
        return;
    }
    m_toldRefused.push_back(window);
    m_trayIcon.ShowBalloon(kRefusedText, "Panewarden", NIIF_WARNING, 10);
}

void CWindowActions::SyncButtonFaces(HWND window) {
    const int topmost = IsTopmost(window) ? 1 : 0;
    if (m_buttons.topmost.GetState() != topmost) {
        m_buttons.topmost.SetState(topmost);
    }
    const int transparent = m_transparency.IsTransparent(window) ? 1 : 0;
    if (m_buttons.transparency.GetState() != transparent) {
        m_buttons.transparency.SetState(transparent);
    }
}

void CWindowActions::ActivateTarget() {
    const HWND target = m_tracker.Target();
    if (target && ::IsWindow(target)) {
        CWindowCalls(target).BringToFront();
        m_tracker.RestackDue();
    }
}

void CWindowActions::OnTransparencyApplied(HWND window, bool activate) {
    if (activate) {
        ActivateTarget();
    }
    SyncButtonFaces(window);
    m_tracker.RestackDue();
}

void CWindowActions::HideTarget() {
    const HWND target = m_tracker.Target();
    if (!target || !::IsWindow(target)) {
        return;
    }
    const CWindowCalls calls(target);
    if (!m_hiddenWindows.Hide(calls)) {
        return;
    }
    m_tracker.Collapse();
    CWindowCalls::HandOnForeground(m_bar.m_hWnd);
    m_icons.Add(calls, &m_bar);
}

// Read back once the window's program has answered: one that has not yet keeps the face
// the click gave.
void CWindowActions::ToggleTopmost() {
    const HWND target = m_tracker.Target();
    if (!target) {
        return;
    }
    const bool before = IsTopmost(target);
    if (SetWindowTopmost(ToggledTopmostMode(before), target, m_bar.m_hWnd)) {
        if (IsTopmost(target) == before) {
            TellRefused(target);
        }
        SyncButtonFaces(target);
    }
    m_tracker.RestackDue();
}

void CWindowActions::ToggleTransparency() {
    const HWND target = m_tracker.Target();
    if (!target) {
        return;
    }
    const bool before = m_transparency.IsTransparent(target);
    if (!m_transparency.Toggle(target)) {
        SyncButtonFaces(target);
    } else if (m_transparency.IsTransparent(target) == before) {
        TellRefused(target);
        SyncButtonFaces(target);
    } else {
        ActivateTarget();
    }
}

// A bar left on a hidden target would float over whatever is behind it.
void CWindowActions::HideListed(UINT index) {
    if (const HWND window = m_catalogue.WindowAt(index)) {
        if (m_hiddenWindows.Hide(CWindowCalls(window)) && window == m_tracker.Target()) {
            m_tracker.Collapse();
        }
        CWindowCalls::HandOnForeground(m_bar.m_hWnd);
    }
}

void CWindowActions::ShowHiddenAt(UINT index) {
    if (const HWND window = m_catalogue.HiddenAt(index)) {
        m_hiddenWindows.Show(window);
    }
}

void CWindowActions::RestoreWindow(HWND window) {
    m_hiddenWindows.Show(window);
}

void CWindowActions::HideAll() {
    m_catalogue.Refresh();
    m_hiddenWindows.HideEvery(m_catalogue.Windows());
    m_tracker.Collapse();
}

void CWindowActions::ShowAll() {
    // The dialog shows "own" afterwards, as it did when it held the list.
    m_catalogue.SetShowAll(false);
    if (!m_hiddenWindows.Windows().empty()) {
        m_hiddenWindows.ShowEvery(CHiddenWindowList::Order::LastToFirst);
    }
}

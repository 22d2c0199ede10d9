// Transparency as the program offers it: the one level shared by all windows, T's switch of
// the target's layered style, the level given to the target by the pop-up's slider, the
// buttons' menu and T's double-click, and the pop-up, which rides with the bar.
#pragma once

#include "windows/Transparency.h"
#include "windows/TransparencyDlg.h"

#include <functional>
#include <memory>

class CTargetTransparency {
public:
    struct Callbacks {
        std::function<HWND()> target; // the window the bar rides on, or null
        // The level was given to the window; activate when it became or stayed layered and
        // no pop-up is on screen (while its slider is dragged it keeps the focus).
        std::function<void(HWND window, bool activate)> applied;
    };

    explicit CTargetTransparency(Callbacks callbacks) : m_callbacks(std::move(callbacks)) {}

    int Level() const { return m_level.Get(); }
    bool IsTransparent(HWND window) const { return HasLayeredStyle(window); }
    // T: false when the window kept its style.
    bool Toggle(HWND window) const;
    // Stores the level and gives it to the target.
    void SetLevel(int level);
    // A transparency entry of the buttons' menu sets its level; false for other commands.
    bool ChooseMenuEntry(UINT command);

    // T double-clicked: always a fresh pop-up, its thumb at the level, which is given to the
    // target again.
    void OpenPopup(CWnd& parent);
    // The pop-up last opened, shown or not; null before the first.
    CTransparencyDlg* Popup() const { return m_pPopup.get(); }
    HWND PopupWindow() const { return m_pPopup ? m_pPopup->m_hWnd : nullptr; }
    void ClosePopup() const;
    // A pop-up on screen moves to the bar's top-left corner, keeping its size.
    void FollowBar(const CWnd& bar) const;

private:
    // The pop-up while it is on screen, else null.
    CTransparencyDlg* ShownPopup() const;

    Callbacks m_callbacks;
    CTransparencyLevel m_level;
    std::unique_ptr<CTransparencyDlg> m_pPopup;
};

// What T and the pop-up do to the target: the one level shared by all windows, the layered
// style switched or given that level, and the pop-up that sets it.
#pragma once

#include "windows/Transparency.h"
#include "windows/TransparencyDlg.h"

#include <functional>
#include <memory>

class CTargetTransparency {
public:
    // The pop-up's levels go to onLevel.
    explicit CTargetTransparency(std::function<void(int)> onLevel);

    int Level() const { return m_level.Get(); }
    void SetLevel(int level) { m_level.Set(level); }
    int IsTransparent(HWND window) const;
    // T: false when the window kept its style.
    bool Toggle(HWND window) const;
    // The level given to the window; true when it is to be activated: it became or stayed
    // layered, and no pop-up is on screen (while its slider is dragged it keeps the focus).
    bool ApplyLevel(HWND window);

    // A fresh pop-up with its thumb at the level; the one before goes first.
    void DropPopup() { m_pPopup.reset(); }
    void OpenPopup(CWnd& parent);
    // The pop-up last opened, shown or not; null before the first.
    CTransparencyDlg* Popup() const { return m_pPopup.get(); }
    // The pop-up while it is on screen, else null.
    CTransparencyDlg* ShownPopup() const;
    void ClosePopup() const;

private:
    std::function<void(int)> m_onLevel;
    CTransparencyLevel m_level;
    std::unique_ptr<CTransparencyDlg> m_pPopup;
};

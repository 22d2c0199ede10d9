// A bar button: a static control painted with an up and a down bitmap, which reports what
// is done to it through the callbacks its creator wires.
#pragma once

#include "controls/SkinFace.h"
#include "platform/DpiCalls.h"
#include "platform/TableWindow.h"
#include "platform/Static.h"
#include "platform/UserInteraction.h"
#include "tray/ProgramMenu.h"

#include <functional>
#include <string>
#include <vector>

class CSkinButton : public CTableWindow<CSkinButton, CStatic> {
public:
    struct Callbacks {
        std::function<void()> onClick; // after the face has flipped
        std::function<void()> onLeftDoubleClick;
        std::function<void()> onRightDoubleClick;
        std::function<void(UINT)> onMenuChoice;
        // What the context menu lists under "Hidden windows", and its "Automaximize IE" check.
        ProgramMenuSource menu;
    };

    // Its context menu is tracked, and a failure told, through interaction.
    explicit CSkinButton(CUserInteraction& interaction) : m_interaction(interaction) {}

    void SetCallbacks(Callbacks callbacks) { m_callbacks = std::move(callbacks); }
    // H: a left click keeps the face.
    void SetNoToggle(bool noToggle) { m_bNoToggle = noToggle; }

    // Both faces at once, loaded: a button lacking one would draw nothing. The caller repaints.
    void SetFaces(CSkinFace up, CSkinFace down) {
        m_bmpUp = std::move(up);
        m_bmpDown = std::move(down);
    }

    // The DPI of the bar the button is on, which its faces are drawn at.
    void SetDpi(UINT dpi);

    void SetState(int state);
    int GetState() const { return m_nState; }

private:
    friend CTableWindow<CSkinButton, CStatic>;
    static const MessageTable<CSkinButton> s_messageTable;

    LRESULT OnPaint();
    // Its face as it is now, also for WM_PRINTCLIENT.
    void DrawFace(HDC paintDC);
    LRESULT OnEraseBkgnd();
    LRESULT OnLButtonDown();
    LRESULT OnLButtonDblClk();
    LRESULT OnRButtonDblClk();
    LRESULT OnRButtonDown();
    void OnMenuCommand(UINT command, HWND);

    CUserInteraction& m_interaction;
    Callbacks m_callbacks;
    bool m_bNoToggle = false;
    CSkinFace m_bmpUp;
    CSkinFace m_bmpDown;
    UINT m_nDpi = CDpiCalls::kDefaultDpi;
    int m_nState = 0; // 0 up, 1 down
};

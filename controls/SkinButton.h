// A bar button: a static control painted with an up and a down bitmap.
#pragma once

#include "controls/SkinFace.h"
#include "platform/DpiCalls.h"
#include "platform/MessageTable.h"
#include "platform/Static.h"
#include "windows/TransparencyDlg.h"

#include <memory>
#include <string>

class CSkinButtonOwner;

class CSkinButton : public CStatic {
public:
    explicit CSkinButton(CSkinButtonOwner& owner) : m_owner(owner) {}

    // T: a left double-click opens the transparency pop-up.
    void SetOpensSlider(int opensSlider) { m_bOpensSlider = opensSlider; }
    // H: a left click keeps the face.
    void SetNoToggle(int noToggle) { m_bNoToggle = noToggle; }
    // The pop-up last opened from this button, shown or not; null before the first.
    CTransparencyDlg* TransparencyDlg() const { return m_pTransparencyDlg.get(); }

    // 1 on success; 0 with what to tell the user in fault, keeping the face held before.
    // The caller tells it: at start-up, only once everything is made.
    int LoadBitmapUp(const std::string& fileName, std::string& fault);
    int LoadBitmapDown(const std::string& fileName, std::string& fault);

    // The DPI of the bar the button is on, which its faces are drawn at.
    void SetDpi(UINT dpi);

    void SetState(int state);
    int GetState() const { return m_nState; }

    // Command 32782: lets the user pick a skin folder and has the bar apply it.
    void OnSkinSelector();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const MessageEntry<CSkinButton> s_messageTable[];

    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnRButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam);
    void OnWindowSelector();
    LRESULT OnParentCommand(WPARAM command, LPARAM lParam);
    void OnTransparencyItem(UINT index);
    void OpenTransparencyDlg();

    CSkinButtonOwner& m_owner;
    int m_bOpensSlider = 0;
    int m_bNoToggle = 0;
    std::unique_ptr<CTransparencyDlg> m_pTransparencyDlg;
    CSkinFace m_bmpUp;
    CSkinFace m_bmpDown;
    UINT m_nDpi = CDpiCalls::kDefaultDpi;
    int m_nState = 0; // 0 up, 1 down
};

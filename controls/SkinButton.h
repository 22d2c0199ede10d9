// A bar button: a static control painted with an up and a down bitmap.
#pragma once

#include "platform/Handles.h"
#include "platform/MessageTable.h"
#include "platform/Static.h"
#include "windows/TransparencyDlg.h"

#include <memory>
#include <string>

class CSkinButtonOwner;

class CSkinButton : public CStatic {
public:
    CSkinButton() = default;

    int m_bOpensSlider = 0; // a left double-click opens the transparency pop-up (T)
    int m_bNoToggle = 0;    // a left click keeps the face (H)

    std::unique_ptr<CTransparencyDlg> m_pTransparencyDlg; // opened from T, or null

    // 1 on success; 0 after telling the user, keeping the face held before.
    int LoadBitmapUp(const std::string& fileName);
    int LoadBitmapDown(const std::string& fileName);

    void SetState(int state);
    int GetState() const { return m_nState; }

    // Command 32782: lets the user pick a skin folder and has the bar apply it.
    void OnSkinSelector();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const MessageEntry<CSkinButton> s_messageTable[];

    static CSkinButtonOwner* Owner();
    static void ActivateBarTarget();

    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnRButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam);
    void OnWindowSelector();
    LRESULT OnParentCommand(WPARAM command, LPARAM lParam);
    template <int percent> void OnTransparencyPercent() { SetTransparencyPercent(percent); }
    void SetTransparencyPercent(int percent);
    void OpenTransparencyDlg();

    int LoadFace(UniqueBitmap& face, const std::string& fileName, const char* usage);
    void DrawBitmap(HBITMAP bitmap, HDC paintDC) const;

    UniqueBitmap m_bmpUp;
    UniqueBitmap m_bmpDown;
    int m_nState = 0; // 0 up, 1 down
};

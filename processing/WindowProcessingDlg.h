// The "Window processing" dialog: the window list, the hidden-window list with the
// handles behind them, and the program's list of the windows it has hidden.
#pragma once

#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/ListBox.h"
#include "platform/MessageTable.h"
#include "platform/WindowCalls.h"
#include "processing/HiddenWindowFile.h"
#include "resource.h"

#include <string>
#include <vector>

class CWindowProcessingDlg : public CDialog {
public:
    CWindowProcessingDlg() : CDialog(IDD_WINDOWPROCESSING) {}

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override {}
    void OnCancel() override { ShowWindow(SW_HIDE); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void RefreshLists();
    // Every change of the HiddenWindowList goes through these four, which keep its file.
    void AddHiddenWindow(HWND window);
    // Removes entry index of m_hiddenHandles; the later entries move up.
    void RemoveHiddenAt(std::size_t index);
    // Removes the first entry of m_hiddenHandles that is the window.
    void RemoveHiddenWindow(HWND window);
    void ClearHiddenWindows();
    // Forgets the window just shown from entry index of m_hiddenHandles: by the index while
    // the entry still names it, else by the window (under "all" the refresh that showing
    // can bring rebuilds the array).
    void ForgetShown(std::size_t index, HWND window);
    // Records the window in the HiddenWindowList, then hides it: a program killed in
    // between still knows it.
    void HideWindow(const CWindowCalls& window);
    // Many windows at once: records them all with one write of the file, then hides each
    // without waiting for its program.
    void HideWindows(const std::vector<HWND>& windows);
    // Shows the windows in this order without waiting for their programs.
    void ShowWindows(const std::vector<HWND>& windows);
    void OnShowOwn();
    void OnShowAll();
    void OnParents();
    void OnParentsChilds();

    void OnVertical();
    void OnHorizontal();
    void OnRectangles();
    void OnApply();
    void OnUpdate();
    // Stacks the selected windows of the window list as the checked layout says.
    void ArrangeSelected(BOOL hideDialogFirst);
    void OnBringToTop();
    void OnMinimizeSel();
    void OnEndProcess();
    void OnWindowsSelChange();
    void OnHiddenSelChange();
    void OnHideShow();

    CButton m_radioOwn;
    CButton m_radioAll;
    CButton m_btnHideShow;
    CListBox m_listHidden;
    CButton m_radioParents;
    CButton m_radioParentsChilds;
    CButton m_radioVertical;
    CButton m_radioRectangles;
    CButton m_radioHorizontal;
    CListBox m_listWindows;
    std::vector<HWND> m_windowHandles;
    std::vector<HWND> m_hiddenHandles;
    std::vector<HWND> m_savedOwnHidden;
    int m_parentsOnly = 1;
    int m_showAllHidden = 0;
    std::vector<std::string> m_selectedTitles;

private:
    static const MessageEntry<CWindowProcessingDlg> s_messageTable[];
    static BOOL CALLBACK EnumWindowsCallback(HWND window, LPARAM context);
    static CWindowProcessingDlg* s_pRefreshing; // the dialog whose refresh is enumerating

    LRESULT OnShowWindow(WPARAM show, LPARAM status);
    void CheckStacking(const CButton& chosen) const;
    void HideSelected();
    void ShowSelected();
    // While "all" is shown, a window leaving m_hiddenHandles leaves the parked list too.
    void ForgetParked(HWND window);
    // Where the HiddenWindowList lives: parked in m_savedOwnHidden while "all" is shown.
    std::vector<HWND>& HiddenWindowList();
    void SaveHiddenWindows();
    // A window on its way to being shown or hidden counts as such before its program has
    // done it: a refresh meanwhile does not list a hidden window as visible.
    void Expect(HWND window, bool visible);
    bool SettledVisibility(HWND window, bool visible);

    CHiddenWindowFile m_hiddenFile{CHiddenWindowFile::ProgramFile()};
    // The windows shown or hidden without waiting that have not been seen so yet.
    std::vector<std::pair<HWND, bool>> m_expectedVisibility;
};

// The "Window processing" dialog: the window list and the hidden-window list, each with
// the windows behind its entries, and the commands on the selected ones. Its hidden-window
// list shows the program's list ("own") or every hidden titled window ("all"); the menus
// and the numbered commands go by what it shows.
#pragma once

#include "platform/Button.h"
#include "platform/DpiCalls.h"
#include "platform/ListBox.h"
#include "platform/TableWindow.h"
#include "resource.h"

#include <string>
#include <vector>

class CHiddenWindowList;

class CWindowProcessingDlg : public CTableDialog<CWindowProcessingDlg> {
public:
    // The list whose windows its hidden-window list shows, and whose changes it makes; the
    // calls that tell a cloaked window, which is listed nowhere.
    CWindowProcessingDlg(CHiddenWindowList& hiddenWindows, const CDpiCalls& dpiCalls)
        : CTableWindow(IDD_WINDOWPROCESSING), m_hiddenWindows(hiddenWindows), m_dpiCalls(dpiCalls) {
    }

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override {}
    void OnCancel() override;

    // The list has changed: the lists show it.
    void OnHiddenWindowsChanged() { RefreshLists(); }
    void OnShowOwn();
    void OnShowAll();
    // Centred on the desktop, shown and in front; refreshed first when asked, for a dialog
    // shown already has no show to refresh its lists on.
    void ShowInFront(bool refreshFirst);
    // Shows entry index of the hidden-window list again; an index beyond does nothing.
    void ShowHiddenAt(std::size_t index);

    // Entry i of the window list and of the hidden-window list is the window at i.
    const std::vector<HWND>& WindowHandles() const { return m_windowHandles; }
    const std::vector<HWND>& HiddenHandles() const { return m_hiddenHandles; }
    // The window list as it is now, refreshed.
    const std::vector<HWND>& CurrentWindows() {
        RefreshLists();
        return m_windowHandles;
    }

private:
    friend CTableDialog<CWindowProcessingDlg>;
    static const MessageTable<CWindowProcessingDlg> s_messageTable;
    static BOOL CALLBACK EnumWindowsCallback(HWND window, LPARAM dialog);
    void RefreshLists();
    void ListWindow(HWND window);

    void OnShowWindow(UINT show);
    void OnActivate(UINT state, HWND other);
    void OnParents();
    void OnParentsChilds();
    void OnVertical();
    void OnHorizontal();
    void OnRectangles();
    void CheckStacking(const CButton& chosen) const;
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
    void HideSelected();
    void ShowSelected();

    CHiddenWindowList& m_hiddenWindows;
    CDpiCalls m_dpiCalls;
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
    std::vector<HWND> m_allHidden; // under "all": every hidden titled window, as last found
    int m_bShowAll = 0;
    int m_parentsOnly = 1;
    std::vector<std::string> m_selectedTitles;
};

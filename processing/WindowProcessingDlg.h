// The "Window processing" dialog: the window list and the hidden-window list, each with
// the windows behind its entries, and the commands on the selected ones. Its hidden-window
// list shows the program's list ("own") or every hidden titled window ("all"); the menus
// and the numbered commands go by what it shows.
#pragma once

#include "platform/DpiCalls.h"
#include "platform/KeyboardReturn.h"
#include "platform/TableWindow.h"
#include "platform/UserInteraction.h"
#include "processing/HiddenListView.h"
#include "processing/StackingChoice.h"
#include "processing/WindowListView.h"
#include "resource.h"

#include <vector>

class CHiddenWindowList;

class CWindowProcessingDlg : public CTableDialog<CWindowProcessingDlg> {
public:
    // The list whose windows its hidden-window list shows, and whose changes it makes; the
    // calls that tell a cloaked window, which is listed nowhere.
    CWindowProcessingDlg(CHiddenWindowList& hiddenWindows, const CDpiCalls& dpiCalls,
                         CUserInteraction& interaction)
        : CTableWindow(IDD_WINDOWPROCESSING), m_hiddenWindows(hiddenWindows), m_dpiCalls(dpiCalls),
          m_interaction(interaction) {}

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override {}
    void OnCancel() override;

    // The list has changed: the lists show it.
    void OnHiddenWindowsChanged() { RefreshLists(); }
    void OnShowOwn() { ShowAllHidden(false); }
    void OnShowAll() { ShowAllHidden(true); }
    // Centred on the desktop, shown and in front; refreshed first when asked, for a dialog
    // shown already has no show to refresh its lists on.
    void ShowInFront(bool refreshFirst);
    // Shows entry index of the hidden-window list again; an index beyond does nothing.
    void ShowHiddenAt(std::size_t index);

    // Entry i of the window list and of the hidden-window list is the window at i.
    const std::vector<HWND>& WindowHandles() const { return m_windows.Handles(); }
    const std::vector<HWND>& HiddenHandles() const { return m_hidden.Handles(); }
    // The window list as it is now, refreshed.
    const std::vector<HWND>& CurrentWindows() {
        RefreshLists();
        return m_windows.Handles();
    }

private:
    friend CTableDialog<CWindowProcessingDlg>;
    static const MessageTable<CWindowProcessingDlg> s_messageTable;
    static BOOL CALLBACK EnumWindowsCallback(HWND window, LPARAM dialog);
    void RefreshLists();
    void ListWindow(HWND window);
    void ShowAllHidden(bool showAll);
    void ListParentsOnly(bool parentsOnly);

    void OnShowWindow(UINT show);
    void OnActivate(UINT state, HWND other);
    void OnParents() { ListParentsOnly(true); }
    void OnParentsChilds() { ListParentsOnly(false); }
    void OnVertical() { m_stacking.Choose(Stacking::Vertical); }
    void OnHorizontal() { m_stacking.Choose(Stacking::Horizontal); }
    void OnRectangles() { m_stacking.Choose(Stacking::Rectangles); }
    void OnApply() { ArrangeSelected(true); }
    void OnUpdate() { ArrangeSelected(false); }
    // Stacks the selected windows of the window list as the checked layout says.
    void ArrangeSelected(bool hideDialogFirst);
    void OnBringToTop();
    void OnMinimizeSel();
    void OnEndProcess();
    void OnWindowsSelChange();
    void OnHiddenSelChange();
    void OnHideShow();

    CHiddenWindowList& m_hiddenWindows;
    CDpiCalls m_dpiCalls;
    CUserInteraction& m_interaction;
    CWindowListView m_windows;
    CHiddenListView m_hidden;
    CStackingChoice m_stacking;
    CButton m_btnHideShow;
    CKeyboardReturn m_keyboard;
};

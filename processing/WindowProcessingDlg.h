// The "Window processing" dialog: a view of the windows' catalogue, its window list and
// hidden-window list with their radio buttons, and the commands on the selected windows.
#pragma once

#include "platform/KeyboardReturn.h"
#include "platform/TableWindow.h"
#include "platform/UserInteraction.h"
#include "processing/HiddenListView.h"
#include "processing/StackingChoice.h"
#include "processing/WindowListView.h"
#include "resource.h"

#include <vector>

class CHiddenWindowList;
class CWindowCatalogue;

class CWindowProcessingDlg : public CTableDialog<CWindowProcessingDlg> {
public:
    // The catalogue it shows and whose choices its radio buttons make; the list whose
    // changes it makes.
    CWindowProcessingDlg(CWindowCatalogue& catalogue, CHiddenWindowList& hiddenWindows,
                         CUserInteraction& interaction)
        : CTableWindow(IDD_WINDOWPROCESSING), m_catalogue(catalogue),
          m_hiddenWindows(hiddenWindows), m_interaction(interaction) {}

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override {}
    void OnCancel() override;

    // The catalogue has changed: the lists show it.
    void OnCatalogueChanged();
    // Centred on the desktop, shown and in front; refreshed first when asked, for a dialog
    // shown already has no show to refresh its lists on.
    void ShowInFront(bool refreshFirst);

private:
    friend CTableDialog<CWindowProcessingDlg>;
    static const MessageTable<CWindowProcessingDlg> s_messageTable;
    void RefreshLists();

    void OnShowWindow(UINT show);
    void OnActivate(UINT state, HWND other);
    void OnParents();
    void OnParentsChilds();
    void OnShowOwn();
    void OnShowAll();
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

    CWindowCatalogue& m_catalogue;
    CHiddenWindowList& m_hiddenWindows;
    CUserInteraction& m_interaction;
    CWindowListView m_windows;
    CHiddenListView m_hidden;
    CStackingChoice m_stacking;
    CButton m_btnHideShow;
    CKeyboardReturn m_keyboard;
};

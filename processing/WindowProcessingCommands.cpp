// The dialog's commands on the windows selected in its lists.
#include "processing/WindowProcessingDlg.h"

#include "platform/UserInteraction.h"
#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "processing/WindowProcessingOwner.h"

#include <algorithm>
#include <cstdio>

namespace {

const char kHideCaption[] = "Hide windows";
const char kShowCaption[] = "Show windows";

enum class Stacking { None, Horizontal, Vertical, Rectangles };

struct Placement {
    int x, y, cx, cy;
};

// Where window i of n goes in a width by height area; false when it stays where it is.
bool StackedPlacement(Stacking mode, int i, int n, int width, int height, Placement& place) {
    switch (mode) {
    case Stacking::Horizontal:
        place = {0, i * (height / n), width, height / n};
        return true;
    case Stacking::Vertical:
        place = {i * (width / n), 0, width / n, height};
        return true;
    case Stacking::Rectangles: {
        if (n < 2) {
            return false;
        }
        const int left = n / 2;
        const int right = n - left;
        if (i < left) {
            place = {0, i * (height / left), width / 2, height / left};
        } else {
            place = {width / 2, (i - left) * (height / right), width / 2, height / right};
        }
        return true;
    }
    case Stacking::None:
        break;
    }
    return false;
}

struct SelectedEntry {
    std::size_t index;
    HWND window;
};

// The selected entries with their windows, in list order, all resolved before any
// window is touched: activation changes rebuild the handle arrays mid-command.
std::vector<SelectedEntry> SelectedEntries(const CListBox& list, const std::vector<HWND>& handles) {
    std::vector<SelectedEntry> selected;
    for (int index : list.GetSelItems()) {
        const auto entry = static_cast<std::size_t>(index);
        if (entry < handles.size()) {
            selected.push_back({entry, handles[entry]});
        }
    }
    return selected;
}

void RestoreIfMinimized(const CWindowCalls& window) {
    if (::IsIconic(window.Handle())) {
        window.ShowWindow(SW_RESTORE);
    }
}

void TerminateProcessOf(HWND window) {
    DWORD processId = 0;
    const DWORD threadId = ::GetWindowThreadProcessId(window, &processId);
    // Panewarden's own dialogs can be listed too; it never ends itself.
    if (!threadId || !processId || processId == ::GetCurrentProcessId()) {
        return;
    }
    if (HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, processId)) {
        ::TerminateProcess(process, 0);
        ::CloseHandle(process);
    }
}

} // namespace

// Each stacking radio button starts a group of its own: the check marks are kept here.
void CWindowProcessingDlg::CheckStacking(const CButton& chosen) const {
    for (const CButton* radio : {&m_radioHorizontal, &m_radioVertical, &m_radioRectangles}) {
        radio->SetCheck(radio == &chosen ? 1 : 0);
    }
}

void CWindowProcessingDlg::OnVertical() {
    CheckStacking(m_radioVertical);
}

void CWindowProcessingDlg::OnHorizontal() {
    CheckStacking(m_radioHorizontal);
}

void CWindowProcessingDlg::OnRectangles() {
    CheckStacking(m_radioRectangles);
}

void CWindowProcessingDlg::OnApply() {
    ArrangeSelected(TRUE);
}

void CWindowProcessingDlg::OnUpdate() {
    ArrangeSelected(FALSE);
}

void CWindowProcessingDlg::ArrangeSelected(BOOL hideDialogFirst) {
    const std::vector<SelectedEntry> selected = SelectedEntries(m_listWindows, m_windowHandles);
    const int n = static_cast<int>(selected.size());
    if (n == 0) {
        return;
    }
    // The whole maximized area of the primary display, not the work area.
    const int width = ::GetSystemMetrics(SM_CXMAXIMIZED);
    const int height = ::GetSystemMetrics(SM_CYMAXIMIZED);
    Stacking mode = Stacking::None;
    if (m_radioHorizontal.GetCheck() == 1) {
        mode = Stacking::Horizontal;
    }
    if (m_radioVertical.GetCheck() == 1) {
        mode = Stacking::Vertical;
    }
    if (m_radioRectangles.GetCheck() == 1) {
        mode = Stacking::Rectangles;
    }
    if (hideDialogFirst) {
        ShowWindow(SW_HIDE);
    }
    for (int i = 0; i < n; ++i) {
        HWND window = selected[static_cast<std::size_t>(i)].window;
        if (!window) {
            continue;
        }
        const CWindowCalls calls(window);
        RestoreIfMinimized(calls);
        calls.ShowWindow(SW_SHOWNORMAL);
        Placement place;
        if (StackedPlacement(mode, i, n, width, height, place)) {
            calls.SetWindowPos(HWND_TOP, place.x, place.y, place.cx, place.cy, SWP_SHOWWINDOW);
        }
        calls.BringToFront();
    }
    RefreshLists();
}

void CWindowProcessingDlg::OnBringToTop() {
    for (const SelectedEntry& entry : SelectedEntries(m_listWindows, m_windowHandles)) {
        const CWindowCalls calls(entry.window);
        RestoreIfMinimized(calls);
        calls.BringToFront();
    }
}

void CWindowProcessingDlg::OnMinimizeSel() {
    const std::vector<SelectedEntry> selected = SelectedEntries(m_listWindows, m_windowHandles);
    if (selected.empty()) {
        return;
    }
    for (const SelectedEntry& entry : selected) {
        const CWindowCalls calls(entry.window);
        if (::IsIconic(entry.window)) {
            calls.ShowWindow(SW_RESTORE);
        } else {
            calls.Minimize();
        }
    }
    CUserInteraction::Current().Sleep(50);
    RefreshLists();
}

void CWindowProcessingDlg::OnEndProcess() {
    const std::vector<SelectedEntry> selected = SelectedEntries(m_listWindows, m_windowHandles);
    if (selected.empty()) {
        return;
    }
    for (const SelectedEntry& entry : selected) {
        CWindowCalls(entry.window).Close();
    }
    CUserInteraction& interaction = CUserInteraction::Current();
    interaction.Sleep(1000);
    const auto open = std::count_if(selected.begin(), selected.end(), [](const SelectedEntry& e) {
        return ::IsWindow(e.window) != FALSE;
    });
    if (open > 0) {
        char question[160];
        std::snprintf(question, sizeof question,
                      "There are %i of %i windows that could not be close normally, do you want "
                      "to force close them?",
                      static_cast<int>(open), static_cast<int>(selected.size()));
        if (interaction.MessageBox(m_hWnd, question, "Force close", MB_YESNO) != IDNO) {
            for (const SelectedEntry& entry : selected) {
                interaction.Sleep(200);
                if (entry.window && ::IsWindow(entry.window)) {
                    TerminateProcessOf(entry.window);
                }
            }
            interaction.Sleep(50);
        }
    }
    RefreshLists();
}

void CWindowProcessingDlg::OnWindowsSelChange() {
    m_btnHideShow.SetWindowText(kHideCaption);
}

void CWindowProcessingDlg::OnHiddenSelChange() {
    m_btnHideShow.SetWindowText(kShowCaption);
}

// The caption is the only record of which list the button serves.
void CWindowProcessingDlg::OnHideShow() {
    const std::string caption = WindowTitle(m_btnHideShow.m_hWnd);
    if (caption == kHideCaption) {
        HideSelected();
    } else if (caption == kShowCaption) {
        ShowSelected();
    }
}

void CWindowProcessingDlg::HideSelected() {
    const std::vector<SelectedEntry> selected = SelectedEntries(m_listWindows, m_windowHandles);
    if (selected.empty()) {
        return;
    }
    std::vector<HWND> windows;
    for (const SelectedEntry& entry : selected) {
        windows.push_back(entry.window);
    }
    HideWindows(windows);
    RefreshLists();
}

void CWindowProcessingDlg::ShowSelected() {
    const std::vector<SelectedEntry> selected = SelectedEntries(m_listHidden, m_hiddenHandles);
    if (selected.empty()) {
        return;
    }
    auto* owner = dynamic_cast<CWindowProcessingOwner*>(CWinApp::GetMainWnd());
    for (const SelectedEntry& entry : selected) {
        CWindowCalls(entry.window).ShowWindow(SW_SHOW);
        if (owner) {
            owner->RemoveHiddenWindowIcon(entry.window);
        }
    }
    // Highest index first, so the lower ones still name their entries.
    for (auto entry = selected.rbegin(); entry != selected.rend(); ++entry) {
        ForgetShown(entry->index, entry->window);
    }
    RefreshLists();
}

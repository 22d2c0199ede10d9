// The dialog's commands on the windows selected in its lists.
#include "processing/WindowProcessingDlg.h"

#include "platform/Handles.h"
#include "platform/UserInteraction.h"
#include "platform/WindowCalls.h"
#include "processing/HiddenWindowList.h"
#include "processing/Stacking.h"

#include <algorithm>
#include <cstdio>

namespace {

const char kHideCaption[] = "Hide windows";
const char kShowCaption[] = "Show windows";

// The windows of the selected entries, in list order, all resolved before any window is
// touched: activation changes rebuild the handle arrays mid-command.
std::vector<HWND> SelectedWindows(const CListBox& list, const std::vector<HWND>& handles) {
    std::vector<HWND> selected;
    for (int index : list.GetSelItems()) {
        const auto entry = static_cast<std::size_t>(index);
        if (entry < handles.size()) {
            selected.push_back(handles[entry]);
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
    if (const UniqueHandle process{::OpenProcess(PROCESS_TERMINATE, FALSE, processId)}) {
        ::TerminateProcess(process.get(), 0);
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
    const std::vector<HWND> selected = SelectedWindows(m_listWindows, m_windowHandles);
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
        HWND window = selected[static_cast<std::size_t>(i)];
        if (!window) {
            continue;
        }
        const CWindowCalls calls(window);
        RestoreIfMinimized(calls);
        calls.ShowWindow(SW_SHOWNORMAL);
        if (const std::optional<RECT> place = StackedRect(mode, i, n, width, height)) {
            calls.SetWindowPos(HWND_TOP, place->left, place->top, place->right - place->left,
                               place->bottom - place->top, SWP_SHOWWINDOW);
        }
        calls.BringToFront();
    }
    RefreshLists();
}

void CWindowProcessingDlg::OnBringToTop() {
    for (HWND window : SelectedWindows(m_listWindows, m_windowHandles)) {
        const CWindowCalls calls(window);
        RestoreIfMinimized(calls);
        calls.BringToFront();
    }
}

void CWindowProcessingDlg::OnMinimizeSel() {
    const std::vector<HWND> selected = SelectedWindows(m_listWindows, m_windowHandles);
    if (selected.empty()) {
        return;
    }
    for (HWND window : selected) {
        const CWindowCalls calls(window);
        if (::IsIconic(window)) {
            calls.ShowWindow(SW_RESTORE);
        } else {
            calls.Minimize();
        }
    }
    CUserInteraction::Current().Sleep(50);
    RefreshLists();
}

void CWindowProcessingDlg::OnEndProcess() {
    const std::vector<HWND> selected = SelectedWindows(m_listWindows, m_windowHandles);
    if (selected.empty()) {
        return;
    }
    for (HWND window : selected) {
        CWindowCalls(window).Close();
    }
    CUserInteraction& interaction = CUserInteraction::Current();
    interaction.Sleep(1000);
    const auto open = std::count_if(selected.begin(), selected.end(),
                                    [](HWND window) { return ::IsWindow(window) != FALSE; });
    if (open > 0) {
        char question[160];
        std::snprintf(question, sizeof question,
                      "There are %i of %i windows that could not be close normally, do you want "
                      "to force close them?",
                      static_cast<int>(open), static_cast<int>(selected.size()));
        if (interaction.MessageBox(m_hWnd, question, "Force close", MB_YESNO) != IDNO) {
            for (HWND window : selected) {
                interaction.Sleep(200);
                if (window && ::IsWindow(window)) {
                    TerminateProcessOf(window);
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
    const std::vector<HWND> selected = SelectedWindows(m_listWindows, m_windowHandles);
    if (selected.empty()) {
        return;
    }
    m_hiddenWindows.HideEvery(selected);
}

void CWindowProcessingDlg::ShowSelected() {
    const std::vector<HWND> selected = SelectedWindows(m_listHidden, m_hiddenHandles);
    if (selected.empty()) {
        return;
    }
    for (HWND window : selected) {
        m_hiddenWindows.Show(window);
    }
}

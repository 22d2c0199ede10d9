#include "processing/HiddenWindowList.h"

#include "platform/AtomicFile.h"
#include "platform/Utf8Text.h"
#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "processing/HiddenWindowFile.h"
#include "processing/HiddenWindowListener.h"

#include <algorithm>

namespace {

bool EraseFirst(std::vector<HWND>& windows, HWND window) {
    auto found = std::find(windows.begin(), windows.end(), window);
    if (found == windows.end()) {
        return false;
    }
    windows.erase(found);
    return true;
}

} // namespace

std::string CHiddenWindowList::ProgramFile() {
    return CWinApp::ProgramFile("Paneward.hid");
}

void CHiddenWindowList::Load() {
    std::string content;
    ReadWholeFile(m_path, content);
    m_windows.clear();
    for (const HiddenWindowEntry& saved : ParseHiddenWindows(content)) {
        if (::IsWindow(saved.window) != 1 || ::IsWindowVisible(saved.window)) {
            continue;
        }
        const HiddenWindowEntry now = HiddenWindowEntry::Of(saved.window);
        if (now.processId == saved.processId && now.className == saved.className) {
            m_windows.push_back(saved.window);
        }
    }
    Save();
}

void CHiddenWindowList::ShowAll(std::vector<HWND> allHidden) {
    m_bShowAll = 1;
    m_allHidden = std::move(allHidden);
}

void CHiddenWindowList::ShowOwn() {
    m_bShowAll = 0;
    m_allHidden.clear();
}

void CHiddenWindowList::Hide(const CWindowCalls& window) {
    Add(window.Handle());
    Expect(window.Handle(), false);
    window.ShowWindow(SW_HIDE);
}

void CHiddenWindowList::HideEvery(const std::vector<HWND>& windows) {
    ForgetDestroyed();
    m_windows.insert(m_windows.end(), windows.begin(), windows.end());
    Save();
    // Bottom of the stack first: hiding the active window hands the activation to the next
    // one, and top first that would happen once per window (under Wine 0.4 s against 3.5 s
    // for 200 windows).
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        Expect(*window, false);
        CWindowCalls::WithoutWaiting(*window).ShowWindow(SW_HIDE);
    }
}

void CHiddenWindowList::Add(HWND window) {
    m_windows.push_back(window);
    Save();
}

// Each window leaves the lists before it shows, since showing can activate the dialog,
// whose refresh reads them; the file keeps it until it shows, so it is never lost.
void CHiddenWindowList::ShowAt(std::size_t index) {
    std::vector<HWND>& shown = m_bShowAll ? m_allHidden : m_windows;
    if (index >= shown.size()) {
        return;
    }
    const HWND window = shown[index];
    shown.erase(shown.begin() + static_cast<std::ptrdiff_t>(index));
    ShowForgotten(window, !m_bShowAll || EraseFirst(m_windows, window));
}

void CHiddenWindowList::Show(HWND window) {
    EraseFirst(m_allHidden, window);
    ShowForgotten(window, EraseFirst(m_windows, window));
}

void CHiddenWindowList::ShowForgotten(HWND window, bool listed) {
    // Still visible though a hide is expected: that hide is queued for its program, and a
    // show made at once would be undone by it. The expectation alone may be long carried out.
    const bool hideQueued =
        ::IsWindowVisible(window) && std::find(m_expected.begin(), m_expected.end(),
                                               std::make_pair(window, false)) != m_expected.end();
    Expect(window, true);
    (hideQueued ? CWindowCalls::WithoutWaiting(window) : CWindowCalls(window))
        .ShowAgain(SW_SHOW, m_quirks);
    if (listed) {
        Save();
        Left(window);
    }
}

void CHiddenWindowList::ShowEvery(Order order) {
    ForgetDestroyed();
    std::vector<HWND> windows;
    windows.swap(m_windows);
    if (order == Order::LastToFirst) {
        std::reverse(windows.begin(), windows.end());
    }
    // Only the last is activated, as if each had been in turn: under Wine each activation
    // costs the window's program a round of messages.
    for (std::size_t i = 0; i + 1 < windows.size(); ++i) {
        Expect(windows[i], true);
        // Waited for only where its style is set anew once it shows.
        (CWindowCalls::RestyledWhenShownAgain(windows[i], m_quirks)
             ? CWindowCalls(windows[i])
             : CWindowCalls::WithoutWaiting(windows[i]))
            .ShowAgain(SW_SHOWNA, m_quirks);
    }
    if (!windows.empty()) {
        // Activated from this thread, which the hotkey gave the right to: left to the
        // window's own thread, the system's foreground lock may refuse it.
        const CWindowCalls last(windows.back());
        Expect(last.Handle(), true);
        last.ShowAgain(SW_SHOW, m_quirks);
        last.BringToFront();
    }
    Save();
    for (HWND window : windows) {
        Left(window);
    }
}

void CHiddenWindowList::Save() const {
    if (m_windows.empty()) {
        ::DeleteFileA(m_path.c_str());
        return;
    }
    std::vector<HiddenWindowEntry> entries;
    for (HWND window : m_windows) {
        entries.push_back(HiddenWindowEntry::Of(window));
    }
    WriteFileAtomically(m_path, FileTextOf(FormatHiddenWindows(entries)));
}

void CHiddenWindowList::Left(HWND window) const {
    if (m_pListener) {
        m_pListener->OnHiddenWindowLeft(window);
    }
}

bool CHiddenWindowList::SettledVisibility(HWND window, bool visibleNow) {
    for (auto expected = m_expected.begin(); expected != m_expected.end(); ++expected) {
        if (expected->first == window) {
            if (expected->second != visibleNow) {
                return expected->second;
            }
            m_expected.erase(expected);
            break;
        }
    }
    return visibleNow;
}

void CHiddenWindowList::Expect(HWND window, bool visible) {
    for (auto& expected : m_expected) {
        if (expected.first == window) {
            expected.second = visible;
            return;
        }
    }
    m_expected.emplace_back(window, visible);
}

void CHiddenWindowList::ForgetDestroyed() {
    m_expected.erase(std::remove_if(m_expected.begin(), m_expected.end(),
                                    [](const std::pair<HWND, bool>& expected) {
                                        return ::IsWindow(expected.first) != 1;
                                    }),
                     m_expected.end());
}

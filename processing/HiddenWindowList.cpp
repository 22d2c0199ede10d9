#include "processing/HiddenWindowList.h"

#include "platform/UserInteraction.h"
#include "platform/WindowCalls.h"

#include <algorithm>

namespace {

// Shown rather than lost: a window hidden without a record could not be found again.
const char kUnrecordedText[] = "Panewarden cannot hide this window:\n"
                               "neither its own folder nor your user folder\n"
                               "can hold the list of hidden windows.";

bool EraseFirst(std::vector<HWND>& windows, HWND window) {
    auto found = std::find(windows.begin(), windows.end(), window);
    if (found == windows.end()) {
        return false;
    }
    windows.erase(found);
    return true;
}

} // namespace

void CHiddenWindowList::Load() {
    m_windows.clear();
    for (const HiddenWindowEntry& saved : m_store.Load()) {
        if (!::IsWindow(saved.window) || ::IsWindowVisible(saved.window) ||
            std::find(m_windows.begin(), m_windows.end(), saved.window) != m_windows.end()) {
            continue;
        }
        const HiddenWindowEntry now = HiddenWindowEntry::Of(saved.window);
        if (now.processId == saved.processId && now.className == saved.className) {
            m_windows.push_back(saved.window);
        }
    }
    Save();
    Announce(Change::Loaded, m_windows);
}

bool CHiddenWindowList::Hide(const CWindowCalls& window) {
    if (NotHeld({window.Handle()}).empty()) {
        return false;
    }
    m_windows.push_back(window.Handle());
    if (!Record(1)) {
        return false;
    }
    Expect(window.Handle(), false);
    window.ShowWindow(SW_HIDE);
    Announce(Change::Added, {window.Handle()});
    if (!window.Answers() || !::IsWindowVisible(window.Handle())) {
        return true;
    }
    EraseFirst(m_windows, window.Handle());
    Forget(window.Handle());
    Save();
    Announce(Change::Refused, {window.Handle()});
    return false;
}

void CHiddenWindowList::HideEvery(std::vector<HWND> windows) {
    ForgetDestroyed();
    windows = NotHeld(std::move(windows));
    m_windows.insert(m_windows.end(), windows.begin(), windows.end());
    if (!Record(windows.size())) {
        return;
    }
    // Bottom of the stack first: hiding the active window hands the activation to the next
    // one, and top first that would happen once per window (under Wine 0.4 s against 3.5 s
    // for 200 windows).
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        Expect(*window, false);
        CWindowCalls::WithoutWaiting(*window).ShowWindow(SW_HIDE);
    }
    m_checkBack.insert(m_checkBack.end(), windows.begin(), windows.end());
    Announce(Change::Added, windows);
}

// Only windows still shown are pinged: those hidden cost nothing.
void CHiddenWindowList::CheckBack() {
    std::vector<HWND> refused;
    for (HWND window : m_checkBack) {
        const bool stillExpected = std::find(m_expected.begin(), m_expected.end(),
                                             std::make_pair(window, false)) != m_expected.end();
        if (stillExpected && ::IsWindow(window) && ::IsWindowVisible(window) &&
            CWindowCalls::Ping(window) && ::IsWindowVisible(window)) {
            EraseFirst(m_windows, window);
            Forget(window);
            refused.push_back(window);
        }
    }
    m_checkBack.clear();
    if (!refused.empty()) {
        Save();
        Announce(Change::Refused, refused);
    }
}

// The window leaves the list before it shows, since showing can activate the dialog, whose
// refresh reads it; the file keeps it until it shows, so it is never lost.
void CHiddenWindowList::Show(HWND window) {
    const bool listed = EraseFirst(m_windows, window);
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
    }
    Announce(listed ? Change::Removed : Change::ShownOther, {window});
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
    Announce(Change::Removed, windows);
}

// A second entry would show the window twice in the menus and give it a second icon.
std::vector<HWND> CHiddenWindowList::NotHeld(std::vector<HWND> windows) {
    std::vector<HWND> shownAgain;
    const auto held = [&](HWND window) {
        if (std::find(m_windows.begin(), m_windows.end(), window) == m_windows.end()) {
            return false;
        }
        if (IsHidden(window)) {
            return true;
        }
        EraseFirst(m_windows, window);
        shownAgain.push_back(window);
        return false;
    };
    windows.erase(std::remove_if(windows.begin(), windows.end(), held), windows.end());
    if (!shownAgain.empty()) {
        Announce(Change::Removed, shownAgain);
    }
    return windows;
}

bool CHiddenWindowList::Record(std::size_t added) {
    if (m_store.Save(m_windows)) {
        return true;
    }
    m_windows.resize(m_windows.size() - added);
    if (!m_bToldUnrecorded) {
        m_bToldUnrecorded = true;
        m_interaction.AppMessageBox(nullptr, kUnrecordedText, MB_OK | MB_ICONWARNING);
    }
    return false;
}

void CHiddenWindowList::Announce(Change change, const std::vector<HWND>& windows) const {
    for (const Listener& listener : m_listeners) {
        listener(change, windows);
    }
}

bool CHiddenWindowList::SettleVisibility(HWND window, bool visibleNow) {
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

void CHiddenWindowList::Forget(HWND window) {
    m_expected.erase(std::remove_if(m_expected.begin(), m_expected.end(),
                                    [window](const std::pair<HWND, bool>& expected) {
                                        return expected.first == window;
                                    }),
                     m_expected.end());
}

void CHiddenWindowList::ForgetDestroyed() {
    m_expected.erase(std::remove_if(m_expected.begin(), m_expected.end(),
                                    [](const std::pair<HWND, bool>& expected) {
                                        return !::IsWindow(expected.first);
                                    }),
                     m_expected.end());
}

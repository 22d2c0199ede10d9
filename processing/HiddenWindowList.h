// The windows the program has hidden and may show again (its HiddenWindowList: oldest
// first, each once), kept in its store too. Every change goes through here and is
// announced once it is made, so the list, the file and whoever listens (the dialog, the
// hidden-window icons) cannot disagree.
#pragma once

#include "platform/PlatformQuirks.h"
#include "platform/UserInteraction.h"
#include "processing/HiddenWindowStore.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CWindowCalls;

class CHiddenWindowList {
public:
    enum class Order { FirstToLast, LastToFirst };
    // What happened to the windows announced with it. ShownOther: a window outside the
    // list was shown again, which the window lists see too. Refused: windows taken out again
    // because they stayed shown once their program had answered (the system refused the hide).
    enum class Change { Added, Removed, Loaded, ShownOther, Refused };
    using Listener = std::function<void(Change, const std::vector<HWND>& windows)>;

    // The person is told once when no folder can hold the list.
    CHiddenWindowList(CHiddenWindowStore store, const PlatformQuirks& quirks,
                      CUserInteraction& interaction)
        : m_store(std::move(store)), m_quirks(quirks), m_interaction(interaction) {}

    // Listeners hear every change in the order they came.
    void Listen(Listener listener) { m_listeners.push_back(std::move(listener)); }

    // Takes back the windows of the file that still exist, are still hidden and still
    // belong to the process and window class they had, each once, and rewrites the file with
    // them.
    void Load();

    const std::vector<HWND>& Windows() const { return m_windows; }

    // Records the window, then hides it: a program killed in between still knows it. False
    // when the window answers and is still shown: it is taken out again; when it cannot be
    // recorded anywhere: then it is not hidden, and the user is told, once a run; and when it
    // is hidden already, or its hide is under way: then nothing changes.
    bool Hide(const CWindowCalls& window);
    // Many windows at once, as listed (top of the stack first), less those hidden already or
    // on their way: records them all with one write of the file (or, where that fails, hides
    // none of them), then hides each, last first, without waiting for its program; they are
    // read back by CheckBack. A copy of them: hiding one of the program's own windows can
    // activate the dialog, whose refresh rebuilds the array they may come from.
    void HideEvery(std::vector<HWND> windows);
    // The windows of the last batches that are still shown and whose program answers are taken
    // out again; one that does not answer stays expected hidden.
    void CheckBack();
    // Shows the window and forgets its first entry, if it has one.
    void Show(HWND window);
    // Shows every window of the program's list in that order, without waiting for their
    // programs, and empties the list.
    void ShowEvery(Order order);

    // Whether the lists take the window for visible: one hidden or shown here counts as such
    // until the platform says so too (its program may not have done it yet), and from then on
    // the expectation is forgotten.
    bool SettleVisibility(HWND window, bool visibleNow);
    // Hidden, or its hide under way, though the platform may still call it the foreground.
    bool IsHidden(HWND window) {
        return !::IsWindowVisible(window) || !SettleVisibility(window, true);
    }

private:
    void Save() const { m_store.Save(m_windows); }
    // The windows not held yet. One held and hidden, or on its way, is left out; one its
    // own program has shown again loses its old entry, to be held anew.
    std::vector<HWND> NotHeld(std::vector<HWND> windows);
    // Saves the list with windows just added; where that fails they go again, unhidden.
    bool Record(std::size_t added);
    void Announce(Change change, const std::vector<HWND>& windows) const;
    void Expect(HWND window, bool visible);
    // Its expectation goes: the window is as the platform says.
    void Forget(HWND window);
    // A destroyed window settles nothing, and its handle may come back on another.
    void ForgetDestroyed();

    CHiddenWindowStore m_store;
    PlatformQuirks m_quirks;
    CUserInteraction& m_interaction;
    std::vector<Listener> m_listeners;
    std::vector<HWND> m_windows;
    std::vector<std::pair<HWND, bool>> m_expected; // window, visible: not seen so yet
    std::vector<HWND> m_checkBack;                 // hidden without waiting, not read back yet
    bool m_bToldUnrecorded = false;
};

// The windows the program has hidden and may show again (its HiddenWindowList: oldest
// first, duplicates possible), kept in "Paneward.hid" too, so that a program that ended
// without its exit question finds them again. Every change goes through here, so the list,
// the file and the listener (the bar, with its hidden-window icons) cannot disagree.
//
// While the "Window processing" dialog's "all" is chosen, the hidden-window list box and
// the menus show every hidden titled window instead; the program's list is parked meanwhile.
#pragma once

#include "platform/PlatformQuirks.h"

#include <windows.h>

#include <string>
#include <vector>

class CHiddenWindowListener;
class CWindowCalls;

class CHiddenWindowList {
public:
    enum class Order { FirstToLast, LastToFirst };

    CHiddenWindowList(std::string path, const PlatformQuirks& quirks)
        : m_path(std::move(path)), m_quirks(quirks) {}

    // "Paneward.hid" in the program's folder.
    static std::string ProgramFile();

    void SetListener(CHiddenWindowListener* listener) { m_pListener = listener; }

    // Takes back the windows of the file that still exist, are still hidden and still
    // belong to the process and window class they had, and rewrites the file with them.
    void Load();

    // The program's list.
    const std::vector<HWND>& Windows() const { return m_windows; }
    // What the hidden-window list box and the menus show, and what the numbered commands
    // index: the program's list, or while "all" is chosen every hidden titled window.
    const std::vector<HWND>& Shown() const { return m_bShowAll ? m_allHidden : m_windows; }
    int IsShowingAll() const { return m_bShowAll; }
    // "all", showing the hidden titled windows of the latest enumeration.
    void ShowAll(std::vector<HWND> allHidden);
    void ShowOwn();

    // Records the window, then hides it: a program killed in between still knows it.
    void Hide(const CWindowCalls& window);
    // Many windows at once, as listed (top of the stack first): records them all with one
    // write of the file, then hides each, last first, without waiting for its program.
    void HideEvery(const std::vector<HWND>& windows);
    void Add(HWND window);
    // Shows entry index of Shown() and forgets it; an index beyond does nothing.
    void ShowAt(std::size_t index);
    // Shows the window and forgets its first entry, if it has one.
    void Show(HWND window);
    // Shows every window of the program's list in that order, without waiting for their
    // programs, and empties the list.
    void ShowEvery(Order order);

    // Whether the lists take the window for visible: one hidden or shown here counts as such
    // until the platform says so too (its program may not have done it yet).
    bool SettledVisibility(HWND window, bool visibleNow);

private:
    void Save() const;
    // Shows a window that has left the lists; one that was the program's is saved as gone.
    void ShowForgotten(HWND window, bool listed);
    void Left(HWND window) const;
    void Expect(HWND window, bool visible);
    // A destroyed window settles nothing, and its handle may come back on another.
    void ForgetDestroyed();

    std::string m_path;
    PlatformQuirks m_quirks;
    CHiddenWindowListener* m_pListener = nullptr;
    std::vector<HWND> m_windows;
    std::vector<HWND> m_allHidden;
    int m_bShowAll = 0;
    std::vector<std::pair<HWND, bool>> m_expected; // window, visible: not seen so yet
};

#include "platform/UserInteraction.h"

#include "platform/KeyboardReturn.h"
#include "platform/Utf8Text.h"
#include "platform/WinApp.h"

namespace {
// A box is as wide as its longest line, and a path has no space to wrap at: 64 of the
// message font's widest letters stay under 800 pixels.
constexpr std::size_t kMessageLineBytes = 64;
} // namespace

int CUserInteraction::MessageBox(HWND owner, const std::string& text, const std::string& caption,
                                 UINT type) {
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

BOOL CUserInteraction::TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) {
    return ::TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
}

PIDLIST_ABSOLUTE CUserInteraction::BrowseForFolder(BROWSEINFOA& info) {
    return ::SHBrowseForFolderA(&info);
}

BOOL CUserInteraction::NotifyIcon(DWORD message, NOTIFYICONDATAA& data) {
    return ::Shell_NotifyIconA(message, &data);
}

void CUserInteraction::Sleep(DWORD milliseconds) {
    ::Sleep(milliseconds);
}

int CUserInteraction::Ask(HWND owner, const std::string& text, const std::string& caption,
                          UINT type) {
    CKeyboardReturn keyboard;
    keyboard.Record();
    const int answer = MessageBox(owner, text, caption, type);
    keyboard.HandBack();
    return answer;
}

int CUserInteraction::AppMessageBox(HWND owner, const std::string& text, UINT type) {
    return Ask(owner, ShortenLines(text, kMessageLineBytes), CWinApp::Title(), type);
}

void CUserInteraction::AppMessageBoxes(HWND owner, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        AppMessageBox(owner, text);
    }
}

#include "platform/UserInteraction.h"

#include "platform/Utf8Text.h"
#include "platform/WinApp.h"

namespace {
// A box is as wide as its longest line, and a path has no space to wrap at: 64 of the
// message font's widest letters stay under 800 pixels.
constexpr std::size_t kMessageLineBytes = 64;

CUserInteraction g_realInteraction;
CUserInteraction* g_pInteraction = &g_realInteraction;
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

CUserInteraction& CUserInteraction::Current() {
    return *g_pInteraction;
}

void CUserInteraction::Install(CUserInteraction* interaction) {
    g_pInteraction = interaction ? interaction : &g_realInteraction;
}

int AppMessageBox(HWND owner, const std::string& text, UINT type) {
    return CUserInteraction::Current().MessageBox(owner, ShortenLines(text, kMessageLineBytes),
                                                  CWinApp::Title(), type);
}

void AppMessageBoxes(HWND owner, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        AppMessageBox(owner, text);
    }
}

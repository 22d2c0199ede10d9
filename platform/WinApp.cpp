#include "platform/WinApp.h"

#include "platform/Dialog.h"

CWnd* CWinApp::s_pMainWnd = nullptr;

int CWinApp::Run() {
    InitInstance();
    return 0;
}

bool CWinApp::PreTranslateMessage(MSG& msg) {
    if (!msg.hwnd || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) {
        return false;
    }
    HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
    if (!dynamic_cast<CDialog*>(CWnd::FromHandle(root))) {
        return false;
    }
    return ::IsDialogMessageA(root, &msg) != 0;
}

std::string CWinApp::ProgramFolder() {
    char path[MAX_PATH * 3] = ""; // MAX_PATH characters, up to three UTF-8 bytes each
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    std::size_t slash = folder.rfind('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

OSVERSIONINFOA CWinApp::PlatformVersion() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    return version;
}

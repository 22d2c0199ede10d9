#include "platform/WinApp.h"

#include "platform/Dialog.h"

#include <shlobj.h>

int CWinApp::RunToExitCode() {
    InitInstance();
    return ExitInstance();
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
    return FolderOf(path);
}

std::string CWinApp::ProgramFile(const std::string& name) {
    return PathIn(ProgramFolder(), name);
}

std::string CWinApp::UserFile(const std::string& name) {
    char folder[MAX_PATH * 3] = "";
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder))) {
        return std::string();
    }
    return PathIn(PathIn(folder, Title()), name);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) {
        return std::string();
    }
    return path.substr(0, slash == 2 && path[1] == ':' ? slash + 1 : slash);
}

std::string PathIn(const std::string& folder, const std::string& name) {
    return !folder.empty() && folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

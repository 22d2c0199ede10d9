// The application object: its start-up hook, and what every window of the program shares.
#pragma once

#include "platform/Wnd.h"

#include <string>

class CWinApp {
public:
    CWinApp() = default;
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // InitInstance, which runs the program and returns FALSE once it is done, then the exit
    // code ExitInstance gives.
    int RunToExitCode();
    virtual BOOL InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

    // Gives the dialogs of the program their keyboard handling (Enter, Esc, Tab).
    static bool PreTranslateMessage(MSG& msg);

    static const char* Title() { return "Panewarden"; }
    // The folder that holds the program file (a drive's root with its backslash).
    static std::string ProgramFolder();
    // A file of that folder.
    static std::string ProgramFile(const std::string& name);
    // A file of the user's own Panewarden folder (under the local application data), which
    // whoever writes there first makes; empty where the system has no such folder.
    static std::string UserFile(const std::string& name);
};

// The folder part of a file's path. A root keeps its backslash: "X:" alone would name
// that drive's current folder.
std::string FolderOf(const std::string& path);
// A name in a folder, with one backslash between them.
std::string PathIn(const std::string& folder, const std::string& name);

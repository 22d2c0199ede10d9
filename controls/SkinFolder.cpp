#include "controls/SkinFolder.h"

#include "platform/WinApp.h"

namespace {

// "C:\..." or "\\server\share\...".
bool IsFullPath(const std::string& path) {
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') ||
           path.compare(0, 2, "\\\\") == 0;
}

} // namespace

std::string GfxFolder() {
    return CWinApp::ProgramFile("gfx");
}

// A name of the last component alone would lose a deeper or outside folder at the next start.
std::string SkinNameOf(const std::string& skinFolder) {
    char full[MAX_PATH] = "";
    const DWORD length = ::GetFullPathNameA(skinFolder.c_str(), sizeof full, full, nullptr);
    const std::string folder = length > 0 && length < sizeof full ? full : skinFolder;
    const std::string gfx = GfxFolder() + "\\";
    if (folder.size() > gfx.size() &&
        ::lstrcmpiA(folder.substr(0, gfx.size()).c_str(), gfx.c_str()) == 0) {
        return folder.substr(gfx.size());
    }
    return folder;
}

std::string SkinFolderOf(const std::string& skinName) {
    return IsFullPath(skinName) ? skinName : "gfx\\" + skinName;
}

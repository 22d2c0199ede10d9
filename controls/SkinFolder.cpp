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
    return CWinApp::ProgramFolder() + "\\gfx";
}

// A name of the last component alone would lose a deeper or outside folder at the next start.
std::string SkinNameOf(const std::string& skinFolder) {
    const std::string gfx = GfxFolder() + "\\";
    if (skinFolder.size() > gfx.size() &&
        ::lstrcmpiA(skinFolder.substr(0, gfx.size()).c_str(), gfx.c_str()) == 0) {
        return skinFolder.substr(gfx.size());
    }
    if (IsFullPath(skinFolder)) {
        return skinFolder;
    }
    return skinFolder.substr(skinFolder.rfind('\\') + 1);
}

std::string SkinFolderOf(const std::string& skinName) {
    return IsFullPath(skinName) ? skinName : "gfx\\" + skinName;
}

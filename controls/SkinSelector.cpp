// The skin selector: a folder browser on the gfx folder; the chosen folder becomes the skin.
#include "controls/SkinButton.h"

#include "controls/SkinButtonOwner.h"
#include "controls/SkinFolder.h"
#include "platform/UserInteraction.h"

#include <shlobj.h>

namespace {

std::wstring Widen(const std::string& text) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    return wide;
}

// The file-system folder chosen below root (null: the whole namespace); empty on cancel.
std::string BrowseForFolder(HWND owner, PCIDLIST_ABSOLUTE root, IMalloc& shellMalloc) {
    char path[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = path;
    info.lpszTitle = "Please select new buttons";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    PIDLIST_ABSOLUTE chosen = CUserInteraction::Current().BrowseForFolder(info);
    if (!chosen) {
        return {};
    }
    std::string folder = ::SHGetPathFromIDListA(chosen, path) ? path : "";
    shellMalloc.Free(chosen);
    return folder;
}

} // namespace

void CSkinButton::OnSkinSelector() {
    const std::string gfxPath = GfxFolder();
    IMalloc* shellMalloc = nullptr;
    if (FAILED(::SHGetMalloc(&shellMalloc))) {
        return;
    }
    IShellFolder* desktop = nullptr;
    if (FAILED(::SHGetDesktopFolder(&desktop))) {
        AppMessageBox(m_hWnd, "ERROR GETTING DESKTOP FOLDER!", MB_OK);
        shellMalloc->Release();
        return;
    }
    // Without a gfx folder there is no root, and the browser starts at the desktop.
    std::wstring wideGfxPath = Widen(gfxPath);
    PIDLIST_RELATIVE root = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, &wideGfxPath[0], nullptr, &root,
                                         nullptr))) {
        root = nullptr;
    }
    const std::string chosen =
        BrowseForFolder(m_hWnd, reinterpret_cast<PCIDLIST_ABSOLUTE>(root), *shellMalloc);
    if (root) {
        shellMalloc->Free(root);
    }
    desktop->Release();
    shellMalloc->Release();

    // Case-sensitive, as the shell spells the path: the gfx folder itself is no skin.
    if (!chosen.empty() && chosen != gfxPath) {
        if (CSkinButtonOwner* owner = Owner()) {
            owner->ApplySkin(chosen);
        }
    }
}

#include "controls/Skins.h"

#include "controls/SkinFolder.h"
#include "platform/Handles.h"
#include "platform/UserInteraction.h"

#include <shlobj.h>

namespace {

std::wstring Widen(const std::string& text) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    return wide;
}

// An item list goes back to the shell's allocator.
class ShellFree {
public:
    explicit ShellFree(IMalloc* shellMalloc) : m_pMalloc(shellMalloc) {}
    void operator()(ITEMIDLIST* list) const { m_pMalloc->Free(list); }

private:
    IMalloc* m_pMalloc;
};
using ItemList = std::unique_ptr<ITEMIDLIST, ShellFree>;

// The file-system folder chosen below root (null: the whole namespace); empty on cancel.
std::string BrowseForFolder(HWND owner, PCIDLIST_ABSOLUTE root, IMalloc* shellMalloc,
                            CUserInteraction& interaction) {
    char path[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = path;
    info.lpszTitle = "Please select new buttons";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    const ItemList chosen(interaction.BrowseForFolder(info), ShellFree(shellMalloc));
    if (!chosen) {
        return {};
    }
    return ::SHGetPathFromIDListA(chosen.get(), path) ? path : "";
}

} // namespace

std::string CSkins::Load(const std::string& skinFolder) {
    const std::pair<CSkinButton*, char> buttons[] = {
        {&m_topmost, 'A'}, {&m_transparency, 'T'}, {&m_hide, 'H'}};
    CSkinFace faces[std::size(buttons)][2]; // down, up
    // A line of missing files a button, which a box does not break.
    std::string missing;
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        std::string line;
        for (const auto& [face, suffix] : {std::pair{0, "-DOWN.BMP"}, {1, "-UP.BMP"}}) {
            const std::string file = buttons[i].second + std::string(suffix);
            if (!faces[i][face].Load(skinFolder + "\\" + file)) {
                line += (line.empty() ? "" : " ") + file;
            }
        }
        missing += line.empty() ? "" : "\n" + line;
    }
    if (!missing.empty()) {
        return "Path to the bitmap does not exists...\n" + skinFolder + missing;
    }
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        buttons[i].first->SetFaces(std::move(faces[i][1]), std::move(faces[i][0]));
    }
    return {};
}

void CSkins::Redraw() {
    for (CSkinButton* button : {&m_topmost, &m_transparency, &m_hide}) {
        button->RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

std::string CSkins::Choose(HWND owner, CUserInteraction& interaction) {
    const std::string gfxPath = GfxFolder();
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator))) {
        return {};
    }
    const ComPtr<IMalloc> shellMalloc(allocator);
    IShellFolder* desktopFolder = nullptr;
    if (FAILED(::SHGetDesktopFolder(&desktopFolder))) {
        interaction.AppMessageBox(owner, "ERROR GETTING DESKTOP FOLDER!", MB_OK);
        return {};
    }
    const ComPtr<IShellFolder> desktop(desktopFolder);
    // Without a gfx folder there is no root, and the browser starts at the desktop.
    std::wstring wideGfxPath = Widen(gfxPath);
    PIDLIST_RELATIVE parsed = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, &wideGfxPath[0], nullptr, &parsed,
                                         nullptr))) {
        parsed = nullptr;
    }
    const ItemList root(parsed, ShellFree(shellMalloc.get()));
    const std::string chosen = BrowseForFolder(owner, root.get(), shellMalloc.get(), interaction);
    // Case-sensitive, as the shell spells the path: the gfx folder itself is no skin.
    return chosen == gfxPath ? std::string() : chosen;
}

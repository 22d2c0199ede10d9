// Skins: the six faces of the bar's buttons loaded from a skin folder, and the selector,
// a folder browser on the gfx folder.
#pragma once

#include "controls/SkinButton.h"

#include <string>
#include <vector>

class CSkins {
public:
    using Faults = std::vector<std::string>; // what to tell the user, in order

    CSkins(CSkinButton& topmost, CSkinButton& transparency, CSkinButton& hide)
        : m_topmost(topmost), m_transparency(transparency), m_hide(hide) {}

    // All six faces, or none: a skin loaded in part would mix two looks. Empty, or what to
    // tell the user: the folder and the files of it that did not load.
    std::string Load(const std::string& skinFolder);
    void Redraw();
    // The skin folder the user picks below the gfx folder; empty on cancel or for the gfx
    // folder itself.
    static std::string Choose(HWND owner, CUserInteraction& interaction);

private:
    CSkinButton& m_topmost;
    CSkinButton& m_transparency;
    CSkinButton& m_hide;
};

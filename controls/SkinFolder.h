// Where skins live, and the name under which the settings remember one.
#pragma once

#include <string>

// The skin that comes with the program, which the settings start with.
constexpr char kStandardSkinName[] = "Windows Standard";

// The gfx folder beside the program, which holds one folder per skin.
std::string GfxFolder();

// What finds a skin folder (full, or relative to the current folder) again at the next
// start: its path below the gfx folder (the plain folder name for a skin directly under
// it), else its full path.
std::string SkinNameOf(const std::string& skinFolder);

// The folder a stored skin name stands for: below "gfx" in the current folder, which is
// the program's, unless the name is a full path.
std::string SkinFolderOf(const std::string& skinName);

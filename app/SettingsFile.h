// The settings in memory and in "Paneward.cfg", beside the program or else in the user's
// folder: every save goes through here, and settings that neither folder can take are told
// once a run, not at every save.
#pragma once

#include "app/BarSettings.h"
#include "platform/UserInteraction.h"

class CSettingsFile {
public:
    explicit CSettingsFile(CUserInteraction& interaction) : m_interaction(interaction) {}

    BarSettings& Values() { return m_values; }
    const BarSettings& Values() const { return m_values; }
    // The defaults, then what the file holds.
    void Load();
    // The file stays as it was when it cannot be written; the box is owned by owner.
    void Save(HWND owner);

private:
    CUserInteraction& m_interaction;
    BarSettings m_values;
    bool m_bToldUnsaved = false;
};

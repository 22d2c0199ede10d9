#include "app/SettingsFile.h"

#include "platform/WinApp.h"

namespace {
// The file lives beside the program, wherever the program was started from.
std::string SettingsPath() {
    return CWinApp::ProgramFile("Paneward.cfg");
}
} // namespace

void CSettingsFile::Load() {
    m_values.SetDefaults();
    m_values.Read(SettingsPath());
}

void CSettingsFile::Save(HWND owner) {
    if (!m_values.Write(SettingsPath()) && !m_bToldUnsaved) {
        m_bToldUnsaved = true;
        m_interaction.AppMessageBox(owner, "Panewarden cannot keep its settings in its folder:\n"
                                           "Paneward.cfg cannot be written there.");
    }
}

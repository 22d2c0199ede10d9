#include "app/SettingsFile.h"

#include "platform/AtomicFile.h"
#include "platform/WinApp.h"

namespace {
// Beside the program, wherever it was started from; where that folder cannot be written, in
// the user's own.
std::string SettingsPath() {
    return CWinApp::ProgramFile("Paneward.cfg");
}
std::string UserSettingsPath() {
    return CWinApp::UserFile("Paneward.cfg");
}
} // namespace

// The user's copy is there only while the program's folder could not take the last save.
void CSettingsFile::Load() {
    m_values.SetDefaults();
    if (!m_values.Read(UserSettingsPath())) {
        m_values.Read(SettingsPath());
    }
}

void CSettingsFile::Save(HWND owner) {
    if (!WriteFileKept(SettingsPath(), UserSettingsPath(), m_values.FileText()) &&
        !m_bToldUnsaved) {
        m_bToldUnsaved = true;
        m_interaction.AppMessageBox(owner, "Panewarden cannot keep its settings:\n"
                                           "neither its own folder nor your user folder\n"
                                           "can hold Paneward.cfg.");
    }
}

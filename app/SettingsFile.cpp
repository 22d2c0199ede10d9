#include "app/SettingsFile.h"

#include "platform/AtomicFile.h"

namespace {
// Beside the program, wherever it was started from.
KeptFile SettingsFile() {
    return KeptFile::Named("Paneward.cfg");
}
} // namespace

// The first copy that opens.
void CSettingsFile::Load() {
    m_values.SetDefaults();
    for (const std::string& path : SettingsFile().ReadOrder()) {
        if (m_values.Read(path)) {
            return;
        }
    }
}

void CSettingsFile::Save(HWND owner) {
    if (!SettingsFile().Write(m_values.FileText()) && !m_bToldUnsaved) {
        m_bToldUnsaved = true;
        m_interaction.AppMessageBox(owner, "Panewarden cannot keep its settings:\n"
                                           "neither its own folder nor your user folder\n"
                                           "can hold Paneward.cfg.");
    }
}

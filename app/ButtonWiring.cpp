#include "app/ButtonWiring.h"

#include "controls/SkinFolder.h"
#include "platform/UserInteraction.h"
#include "platform/KeyboardReturn.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"

CButtonWiring::CButtonWiring(CWnd& bar, CBarButtons& buttons, CWindowActions& actions,
                             BarSettings& settings, const CWindowCatalogue& catalogue,
                             const std::unique_ptr<CWindowProcessingDlg>& dialog,
                             CUserInteraction& interaction)
    : m_bar(bar), m_buttons(buttons), m_actions(actions), m_settings(settings),
      m_catalogue(catalogue), m_pDialog(dialog), m_interaction(interaction) {}

void CButtonWiring::Wire() {
    const auto activate = [this] { m_actions.ActivateTarget(); };
    const auto wire = [&](CSkinButton& button, void (CWindowActions::*onClick)(),
                          std::function<void()> onLeftDoubleClick) {
        button.SetCallbacks(
            {[this, onClick] { (m_actions.*onClick)(); },
             std::move(onLeftDoubleClick),
             activate,
             [this, &button](UINT command) { OnMenuChoice(button, command); },
             {nullptr, [this]() -> const std::vector<HWND>& { return m_catalogue.Hidden(); },
              [this] { return m_settings.autoMaximize; }}});
    };
    wire(m_buttons.hide, &CWindowActions::HideTarget, activate);
    wire(m_buttons.topmost, &CWindowActions::ToggleTopmost, activate);
    wire(m_buttons.transparency, &CWindowActions::ToggleTransparency,
         [this] { m_actions.Transparency().OpenPopup(m_buttons.transparency); });
    m_buttons.hide.SetNoToggle(true);
}

void CButtonWiring::OnMenuChoice(const CSkinButton& button, UINT command) {
    if (m_actions.Transparency().ChooseMenuEntry(command)) {
        return;
    }
    if (command == ID_WINDOWSELECTOR) {
        m_pDialog->ShowInFront(true);
    } else if (command == ID_SKINSELECTOR) {
        ChooseSkin(button.m_hWnd);
    } else {
        m_bar.SendMessage(WM_COMMAND, command);
    }
}

// The name stays stored, so that its skin comes back once its folder is there again (a drive
// plugged in, a typo mended).
CSkins::Faults CButtonWiring::LoadStoredSkin() {
    CSkins skins = Skins();
    const std::string stored = SkinFolderOf(m_settings.skinName),
                      standard = SkinFolderOf(kStandardSkinName);
    const std::string missing = skins.Load(stored);
    if (missing.empty()) {
        return {};
    }
    if (::lstrcmpiA(stored.c_str(), standard.c_str()) == 0) {
        return {missing};
    }
    const std::string standardMissing = skins.Load(standard);
    if (!standardMissing.empty()) {
        return {missing + "\n\n" + standardMissing};
    }
    return {missing + "\nPanewarden shows " + kStandardSkinName + " instead."};
}

void CButtonWiring::ChooseSkin(HWND owner) {
    CKeyboardReturn keyboard;
    keyboard.Record();
    const std::string skinFolder = CSkins::Choose(owner, m_interaction);
    // The browser has closed and left its owner, the bar, with the keyboard.
    keyboard.HandBack();
    if (skinFolder.empty()) {
        return;
    }
    CSkins skins = Skins();
    const std::string missing = skins.Load(skinFolder);
    if (!missing.empty()) {
        m_interaction.AppMessageBox(m_bar.m_hWnd,
                                    missing + "\nPanewarden keeps the skin it shows.");
        return;
    }
    m_settings.skinName = SkinNameOf(skinFolder);
    skins.Redraw();
}

// The bar's buttons wired to what they do: their clicks, double-clicks and menu choices, the
// skin selector among them, which loads the chosen skin and stores its name.
#pragma once

#include "app/BarSettings.h"
#include "app/WindowActions.h"
#include "controls/BarButtons.h"
#include "controls/Skins.h"

#include <memory>
#include <string>
#include <vector>

class CWindowProcessingDlg;

class CButtonWiring {
public:
    CButtonWiring(CWnd& bar, CBarButtons& buttons, CWindowActions& actions, BarSettings& settings,
                  const CWindowCatalogue& catalogue,
                  const std::unique_ptr<CWindowProcessingDlg>& dialog,
                  CUserInteraction& interaction);

    // A double-click activates the target, but a left one on T opens the pop-up.
    void Wire();
    // The faces of the stored skin, else for this run those of the standard one; what to
    // tell the user of a skin that did not load.
    CSkins::Faults LoadStoredSkin();
    // The selector, whose browser owner owns. A folder that lacks a face changes nothing.
    void ChooseSkin(HWND owner);

private:
    // A button's menu: the bar's commands, less those the buttons answer themselves.
    void OnMenuChoice(const CSkinButton& button, UINT command);
    CSkins Skins() { return CSkins(m_buttons.topmost, m_buttons.transparency, m_buttons.hide); }

    CWnd& m_bar;
    CBarButtons& m_buttons;
    CWindowActions& m_actions;
    BarSettings& m_settings;
    const CWindowCatalogue& m_catalogue;
    const std::unique_ptr<CWindowProcessingDlg>& m_pDialog;
    CUserInteraction& m_interaction;
};

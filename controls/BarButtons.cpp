#include "controls/BarButtons.h"

#include "platform/Dialog.h"
#include "windows/BarPlacement.h"

#include <iterator>

void CBarButtons::TakeLayoutAt96(CWnd& bar, UINT dpi) {
    const auto font = reinterpret_cast<HFONT>(bar.SendMessage(WM_GETFONT));
    const SIZE now = CDialog::BaseUnits(font, dpi, dpi),
               at96 = CDialog::BaseUnits(font, dpi, CDpiCalls::kDefaultDpi);
    const CSkinButton* buttons[] = {&hide, &topmost, &transparency};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        RECT rect = buttons[i]->GetWindowRect();
        ::MapWindowPoints(nullptr, bar.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        m_layoutAt96[i] = LaidOutAt96(rect, now, at96);
    }
    m_layoutAt96[3] = LaidOutAt96(bar.GetClientRect(), now, at96);
}

SIZE CBarButtons::LayOutAt(UINT dpi) {
    CSkinButton* buttons[] = {&hide, &topmost, &transparency};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        const RECT rect = ScaledToDpi(m_layoutAt96[i], dpi);
        buttons[i]->MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        buttons[i]->SetDpi(dpi);
    }
    const RECT bar = ScaledToDpi(m_layoutAt96[3], dpi);
    return {bar.right, bar.bottom};
}

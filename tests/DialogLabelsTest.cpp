// Laid out as the dialog manager lays out a template at a DPI: the font at that DPI's point size,
// its base units, the dialog units scaled; at 96 DPI each box gives back its units whole.
#include "platform/Dialog.h"
#include "platform/Handles.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(DialogLabels, EveryTextFitsItsBoxAt100To200Percent) {
    const CWindowDC screen;
    for (const UINT id : {IDD_ABOUTBOX, IDD_WINDOWPROCESSING, IDD_TRANSPARENCY, IDD_PREFERENCES}) {
        const HWND dialog =
            ::CreateDialogParamA(nullptr, MAKEINTRESOURCEA(id), nullptr, nullptr, 0);
        ASSERT_TRUE(dialog) << id;
        const auto font = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0));
        const SIZE at96 = CDialog::BaseUnits(font, 96, 96);
        LOGFONTA face = {};
        ::GetObjectA(font, sizeof face, &face);
        const int points = ::MulDiv(std::abs(face.lfHeight), 72, 96);
        for (const int dpi : {96, 120, 144, 192}) {
            face.lfHeight = -::MulDiv(points, dpi, 72);
            const UniqueFont sized(::CreateFontIndirectA(&face));
            const SIZE units = CDialog::BaseUnits(sized.get(), dpi, dpi);
            const CSelectedObject selected(screen.Get(), sized.get());
            for (HWND control = ::GetWindow(dialog, GW_CHILD); control;
                 control = ::GetWindow(control, GW_HWNDNEXT)) {
                char name[16] = "", text[256] = "";
                ::GetClassNameA(control, name, sizeof name);
                const LONG style = ::GetWindowLongA(control, GWL_STYLE), type = style & BS_TYPEMASK;
                // A check box's or radio button's text starts past its box.
                const bool box = ::lstrcmpiA(name, "Button") == 0 &&
                                 (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
                                  type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
                const int indent = box ? ::MulDiv(12 + 4, dpi, 96) : 0;
                RECT r = {};
                if (!::GetWindowTextA(control, text, sizeof text) ||
                    !::GetWindowRect(control, &r) ||
                    (!box && (::lstrcmpiA(name, "Static") || (style & SS_TYPEMASK) > SS_RIGHT))) {
                    continue;
                }
                const int width = ::MulDiv(::MulDiv(r.right - r.left, 4, at96.cx), units.cx, 4),
                          height = ::MulDiv(::MulDiv(r.bottom - r.top, 8, at96.cy), units.cy, 8);
                RECT extent = {0, 0, width - indent, 0};
                ::DrawTextA(screen.Get(), text, -1, &extent,
                            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
                EXPECT_TRUE(extent.right + indent <= width && extent.bottom <= height)
                    << id << " \"" << text << "\" at " << dpi << " DPI: " << extent.right + indent
                    << "x" << extent.bottom << " in " << width << "x" << height;
            }
        }
        ::DestroyWindow(dialog);
    }
}

} // namespace

// The labels of the program's dialogs at 100 to 200 %, laid out as the dialog manager lays out
// their templates: the font at that DPI's point size, its base units, the dialog units scaled.
// The tests run at 96 DPI, whose base units are large enough for each box to give back its
// dialog units whole.
#include "platform/Dialog.h"
#include "platform/Handles.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Whether the control shows a text, and how far in: past the box of a check box or radio button.
bool ShowsText(HWND control, int& indent, UINT dpi) {
    char name[16] = "";
    ::GetClassNameA(control, name, sizeof name);
    const LONG style = ::GetWindowLongA(control, GWL_STYLE), type = style & BS_TYPEMASK;
    const bool box =
        ::lstrcmpiA(name, "Button") == 0 && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
                                             type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
    indent = box ? ::MulDiv(12 + 4, static_cast<int>(dpi), 96) : 0;
    return ::GetWindowTextLengthA(control) > 0 &&
           (box || (::lstrcmpiA(name, "Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT));
}

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
        for (const UINT dpi : {96u, 120u, 144u, 192u}) {
            face.lfHeight = -::MulDiv(points, static_cast<int>(dpi), 72);
            const UniqueFont sized(::CreateFontIndirectA(&face));
            const SIZE units = CDialog::BaseUnits(sized.get(), dpi, dpi);
            const CSelectedObject selected(screen.Get(), sized.get());
            for (HWND control = ::GetWindow(dialog, GW_CHILD); control;
                 control = ::GetWindow(control, GW_HWNDNEXT)) {
                int indent = 0;
                RECT box = {};
                char text[256] = "";
                if (!ShowsText(control, indent, dpi) || !::GetWindowRect(control, &box) ||
                    !::GetWindowTextA(control, text, sizeof text)) {
                    continue;
                }
                const int width = ::MulDiv(::MulDiv(box.right - box.left, 4, at96.cx), units.cx, 4),
                          height =
                              ::MulDiv(::MulDiv(box.bottom - box.top, 8, at96.cy), units.cy, 8);
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

#include "processing/StackingChoice.h"

#include "resource.h"

void CStackingChoice::Bind(CWnd& dialog) {
    m_radioVertical.SubclassDlgItem(IDC_VERTICAL, &dialog);
    m_radioRectangles.SubclassDlgItem(IDC_RECTANGLES, &dialog);
    m_radioHorizontal.SubclassDlgItem(IDC_HORIZONTAL, &dialog);
}

void CStackingChoice::Choose(Stacking mode) const {
    m_radioHorizontal.SetCheck(mode == Stacking::Horizontal ? 1 : 0);
    m_radioVertical.SetCheck(mode == Stacking::Vertical ? 1 : 0);
    m_radioRectangles.SetCheck(mode == Stacking::Rectangles ? 1 : 0);
}

// Should several be checked, the last of horizontal, vertical, rectangles wins.
Stacking CStackingChoice::Mode() const {
    if (m_radioRectangles.GetCheck() == BST_CHECKED) {
        return Stacking::Rectangles;
    }
    if (m_radioVertical.GetCheck() == BST_CHECKED) {
        return Stacking::Vertical;
    }
    return m_radioHorizontal.GetCheck() == BST_CHECKED ? Stacking::Horizontal : Stacking::None;
}

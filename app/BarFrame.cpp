#include "app/BarFrame.h"

#include "app/AboutDlg.h"
#include "platform/Handles.h"
#include "resource.h"

HICON CBarFrame::ProgramIcon() {
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CBarFrame::AddIconAndAbout(CWnd& bar) {
    if (HMENU systemMenu = ::GetSystemMenu(bar.m_hWnd, FALSE)) {
        char about[256] = "";
        ::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, about, sizeof about);
        if (about[0]) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    bar.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon()));
    bar.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon()));
}

bool CBarFrame::OnSysCommand(CWnd& bar, UINT command) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX) {
        return false;
    }
    CAboutDlg about;
    about.DoModal(&bar);
    return true;
}

LRESULT CBarFrame::Paint(CWnd& bar) {
    if (!::IsIconic(bar.m_hWnd)) {
        return bar.DefWindowProc(WM_PAINT, 0, 0);
    }
    const CPaintDC dc(bar.m_hWnd);
    bar.SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    RECT client = bar.GetClientRect();
    int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc.Get(), x, y, ProgramIcon());
    return 0;
}

#include "controls/SkinFace.h"

#include "platform/DpiCalls.h"

namespace {

UniqueBitmap LoadBitmapFile(const std::string& fileName) {
    return UniqueBitmap(
        static_cast<HBITMAP>(::LoadImageA(nullptr, fileName.c_str(), IMAGE_BITMAP, 0, 0,
                                          LR_LOADFROMFILE | LR_DEFAULTSIZE | LR_CREATEDIBSECTION)));
}

} // namespace

std::string CSkinFace::ScaledName(const std::string& fileName, int percent) {
    const std::size_t dot = fileName.rfind('.');
    const std::size_t end =
        dot == std::string::npos || dot < fileName.rfind('\\') ? fileName.size() : dot;
    return fileName.substr(0, end) + "-" + std::to_string(percent) + fileName.substr(end);
}

bool CSkinFace::Load(const std::string& fileName) {
    m_bitmap = LoadBitmapFile(fileName);
    if (!m_bitmap) {
        return false;
    }
    for (std::size_t i = 0; i < std::size(kScales); ++i) {
        m_scaled[i] = LoadBitmapFile(ScaledName(fileName, kScales[i]));
    }
    return true;
}

HBITMAP CSkinFace::PictureFor(UINT dpi) const {
    HBITMAP picture = m_bitmap.get();
    int scale = 100;
    for (std::size_t i = 0; i < std::size(kScales); ++i) {
        if (static_cast<int>(dpi) * 100 <= scale * static_cast<int>(CDpiCalls::kDefaultDpi)) {
            break; // the picture held is made for this DPI or a larger one
        }
        if (m_scaled[i]) {
            picture = m_scaled[i].get();
            scale = kScales[i];
        }
    }
    return picture;
}

void CSkinFace::Draw(HDC paintDC, const RECT& area, UINT dpi) const {
    const HBITMAP picture = PictureFor(dpi);
    const CMemoryDC memory(paintDC);
    const HDC memoryDC = memory.Get();
    const CSelectedObject selected(memoryDC, picture);
    BITMAP info = {};
    ::GetObjectA(picture, sizeof info, &info);
    if (dpi == CDpiCalls::kDefaultDpi) {
        ::BitBlt(paintDC, area.left, area.top, info.bmWidth, info.bmHeight, memoryDC, 0, 0,
                 SRCCOPY);
    } else {
        ::SetStretchBltMode(paintDC, HALFTONE);
        ::SetBrushOrgEx(paintDC, 0, 0, nullptr);
        ::StretchBlt(paintDC, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     memoryDC, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    }
}

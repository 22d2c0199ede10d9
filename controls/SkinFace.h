// One face of a skin button: the skin's bitmap, drawn 1:1 at 96 DPI, and the pictures of
// it made for larger scales, which a skin may bring.
#pragma once

#include "platform/Handles.h"

#include <iterator>
#include <string>

class CSkinFace {
public:
    // The scales a skin may bring a picture for: "H-UP.BMP" at 150 % is "H-UP-150.BMP".
    static constexpr int kScales[] = {125, 150, 200};
    static std::string ScaledName(const std::string& fileName, int percent);

    // False when the file does not load as a bitmap. The scaled pictures the folder holds
    // come with it, silently: a skin may lack them.
    bool Load(const std::string& fileName);
    bool IsLoaded() const { return m_bitmap != nullptr; }
    // At 96 DPI the bitmap 1:1 at the top-left corner, as skins are made for; at any other
    // DPI the picture made for the nearest scale up (else the largest there is) stretched
    // smoothly to fill the area.
    void Draw(HDC paintDC, const RECT& area, UINT dpi) const;

private:
    HBITMAP PictureFor(UINT dpi) const;

    UniqueBitmap m_bitmap;
    UniqueBitmap m_scaled[std::size(kScales)];
};

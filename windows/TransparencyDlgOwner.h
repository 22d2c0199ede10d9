// What the transparency pop-up tells whoever opened it.
#pragma once

class CTransparencyDlgOwner {
public:
    // The level (alpha 0 to 255) the slider's thumb has been dragged to.
    virtual void SetTransparencyLevel(int level) = 0;

protected:
    ~CTransparencyDlgOwner() = default;
};

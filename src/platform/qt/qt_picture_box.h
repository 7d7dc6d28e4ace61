// The picture box: shows its picture at full size from the upper-left corner and sizes itself to it.
#pragma once

#include "platform/controls.h"
#include "platform/design.h"
#include "platform/qt/qt_control.h"

namespace platform::qt {

class PictureSurface;

class QtPictureBox : public QtControl<PictureBox> {
public:
    QtPictureBox(const ControlDesign& design, QWidget* parent);

    PicturePtr picture() const override;
    void setPicture(PicturePtr picture) override;
    Twips width() const override;
    Twips height() const override;
    void setWidth(Twips width) override;
    void setHeight(Twips height) override;

private:
    PictureSurface& surface() const;

    PicturePtr picture_;
    Twips width_;
    Twips height_;
};

}  // namespace platform::qt

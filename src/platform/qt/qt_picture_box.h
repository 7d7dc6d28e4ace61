// The picture box: shows its picture at full size from the upper-left corner and sizes itself to it.
#pragma once

#include <QImage>

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
    PicturePtr picture_;
    // The picture decoded once at its own size, so that repainting never decodes again.
    QImage shown_;
};

}  // namespace platform::qt

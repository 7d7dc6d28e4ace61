// The simple controls: command button, label, check box, text box and scroll bar.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/design.h"
#include "platform/qt/qt_control.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace platform::qt {

class QtCommandButton : public QtControl<CommandButton> {
public:
    QtCommandButton(const ControlDesign& design, QWidget* parent);
};

class QtLabel : public QtControl<Label> {
public:
    QtLabel(const ControlDesign& design, QWidget* parent);
    std::string caption() const override;
    void setCaption(const std::string& caption) override;

private:
    QLabel* label_;
};

class QtCheckBox : public QtControl<CheckBox> {
public:
    QtCheckBox(const ControlDesign& design, QWidget* parent);
    int value() const override;
    void setValue(int value) override;

private:
    QCheckBox* box_;
};

class QtTextBox : public QtControl<TextBox> {
public:
    QtTextBox(const ControlDesign& design, QWidget* parent);
    std::string text() const override;
    void setText(const std::string& text) override;

private:
    QLineEdit* edit_;
};

// Horizontal; the designed minimum stands at the left end even when it is the larger number.
class QtScrollBar : public QtControl<ScrollBar> {
public:
    QtScrollBar(const ControlDesign& design, QWidget* parent);
    int value() const override;
    void setValue(int value) override;

private:
    // The Qt bar always runs from its smaller end on the left; a design whose minimum is the larger
    // number reads it mirrored.
    int fromBar(int barValue) const;

    QScrollBar* bar_;
    bool mirrored_;
};

}  // namespace platform::qt

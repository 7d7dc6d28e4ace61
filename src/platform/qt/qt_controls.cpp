// The simple controls. A user's change raises its event from the widget's signal; a change made from
// code raises it from the setter instead, so that a handler's failure reaches the code that made it.
#include "platform/qt/qt_controls.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/failure.h"
#include "platform/qt/geometry.h"
#include "platform/qt/raise.h"

namespace platform::qt {

namespace {

template <typename Widget>
Widget* placed(Widget* widget, const ControlDesign& design)
{
    widget->setGeometry(designRect(design));
    return widget;
}

// The panel was laid out in a narrower face than any installed here: a one-line caption a little
// wider than its label is squeezed to fit rather than losing its end.
void squeezeToFit(QLabel* label)
{
    constexpr int kMostSqueeze = 85;  // percent of the natural width
    QFont natural = label->font();
    natural.setStretch(QFont::Unstretched);
    const int needed = QFontMetrics(natural).horizontalAdvance(label->text());
    // Only the stretch is the label's own; face and size still come from its window.
    QFont squeezed;
    squeezed.setStretch(needed > label->width() ? std::max(kMostSqueeze, 100 * label->width() / needed)
                                                : int(QFont::Unstretched));
    label->setFont(squeezed);
}

// A button takes a click anywhere in its rectangle, also on the blank part of a check box's row.
template <typename Button>
class WholeButton : public Button {
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// Focus that moves inside the program; a window losing or regaining activation is not a change of
// focus to the program.
class FocusLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    void reportFocusTo(const Event& gotFocus, const Event& lostFocus)
    {
        gotFocus_ = &gotFocus;
        lostFocus_ = &lostFocus;
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        if (gotFocus_ && movesWithinProgram(*event))
            raiseFromQt(*gotFocus_);
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        if (lostFocus_ && movesWithinProgram(*event))
            raiseFromQt(*lostFocus_);
    }

private:
    static bool movesWithinProgram(const QFocusEvent& event)
    {
        return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
    }

    const Event* gotFocus_ = nullptr;
    const Event* lostFocus_ = nullptr;
};

}  // namespace

QtCommandButton::QtCommandButton(const ControlDesign& design, QWidget* parent)
    : QtControl(placed(new WholeButton<QPushButton>(QString::fromStdString(design.text), parent), design))
{
    // Enter presses the focused button, as Space does; Qt does that by itself only in dialogs.
    static_cast<QPushButton*>(widget())->setAutoDefault(true);
    QObject::connect(static_cast<QPushButton*>(widget()), &QPushButton::clicked, widget(),
                     [this] { raiseFromQt(Click); });
}

QtLabel::QtLabel(const ControlDesign& design, QWidget* parent)
    : QtControl(placed(new QLabel(parent), design)), label_(static_cast<QLabel*>(widget()))
{
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Only a label designed taller than one line wraps; a one-line label keeps its runs of blanks.
    label_->setWordWrap(label_->height() >= 2 * label_->fontMetrics().lineSpacing());
    setCaption(design.text);
}

std::string QtLabel::caption() const
{
    return label_->text().toStdString();
}

void QtLabel::setCaption(const std::string& caption)
{
    label_->setText(QString::fromStdString(caption));
    if (!label_->wordWrap())
        squeezeToFit(label_);
}

QtCheckBox::QtCheckBox(const ControlDesign& design, QWidget* parent)
    : QtControl(placed(new WholeButton<QCheckBox>(QString::fromStdString(design.text), parent), design)),
      box_(static_cast<QCheckBox*>(widget()))
{
    QObject::connect(box_, &QCheckBox::stateChanged, box_, [this] { raiseFromQt(Click); });
}

int QtCheckBox::value() const
{
    const Qt::CheckState state = box_->checkState();
    return state == Qt::Unchecked ? 0 : state == Qt::Checked ? 1 : 2;
}

void QtCheckBox::setValue(int value)
{
    static const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    if (value < 0 || value > 2)
        throw Failure("check box value out of range");
    QSignalBlocker blocker(box_);
    box_->setTristate(value == 2);
    const bool changed = box_->checkState() != states[value];
    box_->setCheckState(states[value]);
    blocker.unblock();
    if (changed)
        Click.raise();
}

QtTextBox::QtTextBox(const ControlDesign& design, QWidget* parent)
    : QtControl(placed(new FocusLineEdit(parent), design)), edit_(static_cast<QLineEdit*>(widget()))
{
    static_cast<FocusLineEdit*>(edit_)->reportFocusTo(GotFocus, LostFocus);
    edit_->setText(QString::fromStdString(design.text));
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] { raiseFromQt(Change); });
}

std::string QtTextBox::text() const
{
    return edit_->text().toStdString();
}

void QtTextBox::setText(const std::string& text)
{
    const QString changed = QString::fromStdString(text);
    if (changed == edit_->text())
        return;
    {
        const QSignalBlocker blocker(edit_);
        edit_->setText(changed);
    }
    Change.raise();
}

QtScrollBar::QtScrollBar(const ControlDesign& design, QWidget* parent)
    : QtControl(placed(new QScrollBar(Qt::Horizontal, parent), design)),
      bar_(static_cast<QScrollBar*>(widget())),
      mirrored_(design.min > design.max)
{
    bar_->setRange(std::min(design.min, design.max), std::max(design.min, design.max));
    bar_->setSingleStep(design.smallChange);
    bar_->setPageStep(design.largeChange);
    bar_->setFocusPolicy(Qt::StrongFocus);
    // Qt's scroll bars turn the arrow keys around; here each key moves the thumb its own way.
    bar_->setInvertedControls(false);
    // A drag counts once, when the thumb is let go; arrows, the track and the keys count each step.
    bar_->setTracking(false);
    bar_->setValue(fromBar(design.value));
    QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this] { raiseFromQt(Change); });
}

int QtScrollBar::fromBar(int barValue) const
{
    return mirrored_ ? bar_->minimum() + bar_->maximum() - barValue : barValue;
}

int QtScrollBar::value() const
{
    return fromBar(bar_->value());
}

void QtScrollBar::setValue(int value)
{
    if (value < bar_->minimum() || value > bar_->maximum())
        throw Failure("scroll bar value out of range");
    if (value == this->value())
        return;
    {
        const QSignalBlocker blocker(bar_);
        bar_->setValue(fromBar(value));
    }
    Change.raise();
}

}  // namespace platform::qt

// Checking a placement box clears the other two; each cleared box runs its own (idle) handler.
#include "panel/options.h"

#include <initializer_list>

#include "form/form1.h"

namespace {

void exclude(platform::CheckBox& own, std::initializer_list<platform::CheckBox*> others)
{
    if (own.value() == 0)
        return;
    for (platform::CheckBox* other : others)
        if (other->value() != 0)
            other->setValue(0);
}

}  // namespace

void chkLowerRight_Click(Form1& f)
{
    exclude(f.chkLowerRight, {&f.chkRandomize, &f.chkUpperRight});
}

void chkRandomize_Click(Form1& f)
{
    exclude(f.chkRandomize, {&f.chkLowerRight, &f.chkUpperRight});
}

void chkUpperRight_Click(Form1& f)
{
    exclude(f.chkUpperRight, {&f.chkLowerRight, &f.chkRandomize});
}

// The display stage: with "Re-Size to fit screen" the picture is painted onto Form2, shrunk to the
// screen when it is larger; otherwise Form1 shows it in Picture1.
#include "engine/display_stage.h"

#include <algorithm>
#include <cmath>

#include "engine/checked.h"
#include "engine/resume_next.h"
#include "form/form1.h"
#include "platform/failure.h"

namespace engine {

namespace {

// The shrink branch paints 500 twips short of the scaled size in each direction, leaving a margin;
// a long, thin picture keeps at least one pixel (15 twips) across.
constexpr double kShrinkMargin = 500.0;

double scaled(float size, double fitRatio)
{
    return std::floor(checked::finite(static_cast<double>(size) * fitRatio));
}

double shrunk(float size, double fitRatio)
{
    return std::max(scaled(size, fitRatio) - kShrinkMargin, double{platform::kTwipsPerPixel});
}

void paintOnForm2(Form1& f, ResumeNext& rn, double fitRatio, double (*size)(float, double))
{
    const auto paintedWidth = [&] { return static_cast<float>(size(f.Picture1.width(), fitRatio)); };
    const auto paintedHeight = [&] { return static_cast<float>(size(f.Picture1.height(), fitRatio)); };
    rn.step([&] {
        const platform::PicturePtr picture = f.Picture1.picture();
        if (!picture)
            throw platform::Failure("Picture1 holds no picture");
        f.Form2.paintPicture(*picture, 0, 0, paintedWidth(), paintedHeight());
    });
    rn.step([&] { f.Form2.setWidth(paintedWidth()); });
    rn.step([&] { f.Form2.setHeight(paintedHeight()); });
    rn.step([&] { f.Form2.refresh(); });
    rn.step([&] { f.Me.hide(); });
    rn.step([&] { f.Form2.show(); });
}

}  // namespace

void displayPicture(Form1& f, ResumeNext& rn)
{
    double fitRatio = 1.0;
    if (!rn.test([&] { return f.chkReSize.value() != 0; })) {
        rn.step([&] { f.Me.show(); });
        return;
    }
    const auto screen = [&] { return f.Screen.workArea(); };
    if (rn.test([&] { return f.Picture1.width() > screen().width || f.Picture1.height() > screen().height; })) {
        rn.step([&] { fitRatio = checked::divide<double>(screen().width, f.Picture1.width()); });
        if (rn.test([&] {
                const double heightRatio = checked::divide<double>(screen().height, f.Picture1.height());
                return static_cast<float>(fitRatio) > static_cast<float>(heightRatio);
            }))
            rn.step([&] { fitRatio = checked::divide<double>(screen().height, f.Picture1.height()); });
        paintOnForm2(f, rn, fitRatio, shrunk);
    } else {
        paintOnForm2(f, rn, fitRatio, scaled);
    }
}

}  // namespace engine

// The speed bar's value is the time per picture in milliseconds; its caption says it in seconds.
#include "panel/speed.h"

#include <cmath>
#include <string>

#include "form/form1.h"
#include "form/signed_text.h"

void HScroll1_Change(Form1& f)
{
    f.Timer1.setInterval(f.HScroll1.value());
    const auto seconds = static_cast<long long>(std::floor(static_cast<float>(f.HScroll1.value()) / 1000.0f));
    f.Label1.setCaption("<" + std::string(14, '-') + "Slower    SPEED, " + form::signedText(seconds) +
                        "Sec  Faster " + std::string(17, '-') + ">");
}

// Stand-ins for the face the panel was laid out in: Liberation Sans is about as narrow, so the
// captions fit their boxes and the blank-spaced headings stand over their lists; DejaVu Sans, Qt's
// own pick otherwise, is wider and clips them.
#include "platform/qt/fonts.h"

#include <QFont>
#include <QStringList>

namespace platform::qt {

void registerFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

}  // namespace platform::qt

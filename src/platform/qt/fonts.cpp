// Stand-ins for the face the panel was laid out in: Liberation Sans is about as narrow, so the
// captions fit their boxes and the blank-spaced headings stand over their lists; DejaVu Sans, Qt's
// own pick otherwise, is wider and clips them.
#include "platform/qt/fonts.h"

#include <QString>
#include <QStringList>

namespace platform::qt {

QFont designFont(const std::string& face, int points)
{
    const QString family = QString::fromStdString(face);
    // Qt adds a stand-in the face already has no second time.
    QFont::insertSubstitutions(family, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    return QFont(family, points);
}

}  // namespace platform::qt

// Writes the program's icon into an icon theme folder, one size-named folder per size asked for.
#include <QDir>
#include <QString>

#include <cstdio>

#include "platform/qt/icon.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s THEME-FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool number = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&number);
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!number || size < 16 || size > 1024 || !theme.mkpath(folder) ||
            !platform::qt::drawPixoraIcon(size).save(theme.filePath(folder + "/pixora.png"))) {
            std::fprintf(stderr, "%s: cannot write the %s pixel icon\n", argv[0], argv[i]);
            return 1;
        }
    }
    return 0;
}

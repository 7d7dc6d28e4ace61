// Paints the bundled sample pictures into the folder named on the command line.
#include "gif_writer.h"
#include "scenes.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace {

struct Sample {
    const char* name;
    int width;
    int height;
    Scene paint;
};

// Every format the program lists, small and large sizes, one picture larger than a full HD screen
// and one name in capitals.
constexpr Sample kSamples[] = {
    {"aurora.gif", 320, 240, paintAurora},
    {"coral_reef.bmp", 640, 480, paintCoralReef},
    {"dunes.jpg", 800, 600, paintDunes},
    {"harbour_lights.gif", 400, 300, paintHarbour},
    {"meadow.bmp", 320, 240, paintMeadow},
    {"night_sky.jpg", 800, 600, paintNightSky},
    {"SUNSET.JPG", 1024, 768, paintSunset},
    {"valley_panorama.jpg", 2400, 1600, paintValley},
};

bool save(const QImage& image, const QString& path)
{
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        return writeGif(image, path);
    QImageWriter writer(path, path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? "bmp" : "jpeg");
    writer.setQuality(90);
    return writer.write(image);
}

}  // namespace

int main(int argc, char** argv)
{
    // The captions need fonts, and fonts need a GUI application, though nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_samples: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Sample& sample : kSamples) {
        QImage image(sample.width, sample.height, QImage::Format_RGB32);
        image.fill(Qt::black);
        sample.paint(image);
        const QString path = folder.filePath(QString::fromLatin1(sample.name));
        if (!save(image, path)) {
            std::fprintf(stderr, "make_samples: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

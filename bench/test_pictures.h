// The benchmark's pictures: photo-like, made once, the same on every machine.
#pragma once

#include <QString>
#include <QStringList>

namespace bench {

struct PictureKind {
    const char* name;    // in figure names: jpeg2, jpeg12, ...
    const char* format;  // "jpeg", "bmp" or "gif"
    const char* extension;
    int width;
    int height;
    bool adobeRgb = false;  // carries an Adobe RGB (1998) profile
    // Beyond what the program decodes whole: shown at a slower pace, in list order only.
    bool huge = false;
    int distinct = 4;  // distinct pictures; the show folders name them again and again through links
};

inline constexpr PictureKind kKinds[] = {
    {"jpeg2", "jpeg", "jpg", 1920, 1080},
    {"jpeg12", "jpeg", "jpg", 4000, 3000},
    {"jpeg24", "jpeg", "jpg", 6000, 4000},
    {"bmp2", "bmp", "bmp", 1920, 1080},
    {"gif2", "gif", "gif", 1920, 1080},
    {"jpeg24adobe", "jpeg", "jpg", 6000, 4000, true},
    {"jpeg61", "jpeg", "jpg", 9504, 6336},
    {"jpeg100", "jpeg", "jpg", 12288, 8192, false, true, 2},
    {"jpeg200", "jpeg", "jpg", 16384, 12288, false, true, 2},
    {"pano50k", "jpeg", "jpg", 50000, 1000, false, true, 3},
};

inline constexpr int kShowEntries = 40;

// Makes the pictures under root unless an earlier run made them all; returns false on a write error.
bool makeTestPictures(const QString& root);

// The folder of a kind's show: kShowEntries names linking to its distinct pictures in turn.
QString showFolder(const QString& root, const PictureKind& kind);

// The kind's distinct picture files, and the folder that holds them alone.
QStringList distinctPictures(const QString& root, const PictureKind& kind);
QString distinctFolder(const QString& root, const PictureKind& kind);

// Hostile files among good pictures: headers claiming far more pixels than their bytes hold, a
// frame wider than any window, a scan bomb, awkward small files and real 8000 x 8000 photos.
QString hostileFolder(const QString& root);

// Camera photos of 24 and 12 megapixels in turn.
QString cameraFolder(const QString& root);

// A folder of 20,000 empty entries: 19,000 pictures in mixed-case names and 1,000 other files.
QString bigFolder(const QString& root);

}  // namespace bench

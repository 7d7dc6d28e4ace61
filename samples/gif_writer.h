// Writes a QImage as a GIF file, which Qt can read but not write.
#pragma once

class QImage;
class QString;

// Reduces the picture to a fixed 252-colour palette with ordered dithering and LZW-compresses it.
// Returns false when the file cannot be written.
bool writeGif(const QImage& image, const QString& path);

// Fuzzing the picture loader with any file contents, written to a file of its own as a show meets them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include <QImage>
#include <QRect>
#include <QSize>

#include "picture/decode/picture_decoding.h"
#include "picture/decode/picture_limits.h"
#include "picture/decode/region_decoding.h"
#include "platform/failure.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

// The inputs' folder, removed when the program ends.
class InputFolder {
public:
    InputFolder() : path_(std::filesystem::temp_directory_path().string() + "/pixora-fuzz.XXXXXX")
    {
        if (!::mkdtemp(path_.data()))
            std::abort();
    }
    ~InputFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    InputFolder(const InputFolder&) = delete;
    InputFolder& operator=(const InputFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const InputFolder folder;
    static platform::qt::QtPictureLoader loader;
    static unsigned long long count = 0;

    // A new name for every input, so that nothing the loader keeps of one file answers for the next.
    const std::string path = folder.path() + "/" + std::to_string(++count) + ".jpg";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        const auto picture =
            std::dynamic_pointer_cast<const platform::qt::QtPicture>(loader.load(path, platform::PictureUse::Fitted));
        if (!picture)
            std::abort();
        const QSize natural = picture->pixelSize();
        if (natural.isEmpty() || std::int64_t{natural.width()} * natural.height() > platform::qt::kMaxPicturePixels)
            std::abort();
        // As the display window paints it, shrunk or stretched.
        picture->image(QSize(7, 5));
        // Without a screen the loader decodes whole: a reduced decode, as fitting asks for, too.
        platform::qt::decodeFile(path, QSize(7, 5));
    } catch (const platform::Failure&) {
    }
    try {
        // A part of it alone, as at its own size, near its top left corner where the input's middle
        // bytes say: its last bytes are often the same end marker.
        const auto byte = [&](std::size_t at) { return size / 2 + at < size ? int{data[size / 2 + at]} : 0; };
        const QRect seen(byte(0) % 48 - 8, byte(1) % 48 - 8, 1 + byte(2), 1 + byte(3));
        const platform::qt::DecodedFile part = platform::qt::decodeFileRegion(path, seen);
        if (part.image.size() != (seen & QRect(QPoint(0, 0), part.natural)).size())
            std::abort();
    } catch (const platform::Failure&) {
    }
    std::filesystem::remove(path);
    return 0;
}

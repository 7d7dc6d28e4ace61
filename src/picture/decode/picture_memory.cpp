// Memory for large decoded pictures: mapped in huge pages, so that filling it costs few page faults.
#include "picture/decode/picture_memory.h"

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>

namespace platform::qt {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} * 1024 * 1024;
// Below this glibc's malloc, once a picture of the size has been freed, serves the next from its
// memory again, with no fresh pages at all; from this size on it maps fresh pages each time.
constexpr std::size_t kMappedFrom = std::size_t{32} * 1024 * 1024;

struct Mapping {
    void* start;
    std::size_t length;
};

void unmap(void* info)
{
    const Mapping* mapping = static_cast<Mapping*>(info);
    ::munmap(mapping->start, mapping->length);
    delete mapping;
}

}  // namespace

QImage uninitialisedImage(QSize size)
{
    if (size.isEmpty())
        return {};
    const std::size_t bytes = std::size_t(size.width()) * 4 * std::size_t(size.height());
    if (bytes < kMappedFrom)
        return QImage(size, QImage::Format_RGB32);
    // Whole huge pages need an aligned start: a page more is mapped, and the start moved to its edge.
    const std::size_t length = bytes + kHugePage;
    void* start = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED)
        return {};
    const auto address = reinterpret_cast<std::uintptr_t>(start);
    auto* aligned = reinterpret_cast<uchar*>((address + kHugePage - 1) & ~(kHugePage - 1));
    ::madvise(aligned, bytes, MADV_HUGEPAGE);
    auto* mapping = new Mapping{start, length};
    QImage image(aligned, size.width(), size.height(), qsizetype{size.width()} * 4, QImage::Format_RGB32, unmap,
                 mapping);
    if (image.isNull())
        unmap(mapping);
    return image;
}

}  // namespace platform::qt

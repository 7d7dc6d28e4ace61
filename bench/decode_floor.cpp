// The floor: each file decoded whole by Qt's reader, nothing before or after.
#include <QImage>
#include <QImageReader>
#include <QStringList>

#include <vector>

#include "measure.h"
#include "runs.h"

namespace bench {

int runDecodeFloor(const QStringList& files)
{
    std::vector<double> times;
    for (int round = 0; round < 2; ++round) {
        for (const QString& file : files) {
            const Clock::time_point start = Clock::now();
            const QImage image = QImageReader(file).read();
            times.push_back(millisecondsSince(start));
            if (image.isNull())
                return 1;
        }
    }
    const Spread decode = spreadOf(times);
    printFigure("decode_median_ms", decode.median);
    printFigure("decode_p95_ms", decode.p95);
    printFigure("peak_rss_mb", statusMegabytes("VmHWM"));
    return 0;
}

}  // namespace bench

// The benchmark's entry: the report, or one measurement when the report runs this program again.
#include <QApplication>
#include <QDir>
#include <QStringList>

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "report.h"
#include "runs.h"
#include "test_pictures.h"

namespace {

// Qt's warnings (the offscreen platform cannot raise windows, say) would only clutter the report.
void quietWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

template <std::size_t N>
const bench::ShowMode* namedIn(const bench::ShowMode (&modes)[N], const QString& name)
{
    for (const bench::ShowMode& mode : modes) {
        if (name == mode.name)
            return &mode;
    }
    return nullptr;
}

const bench::ShowMode* modeNamed(const QString& name)
{
    if (name == bench::kMemoryShow.name)
        return &bench::kMemoryShow;
    const bench::ShowMode* mode = namedIn(bench::kModes, name);
    return mode ? mode : namedIn(bench::kHugeModes, name);
}

int measure(const QStringList& arguments)
{
    const QString& what = arguments.value(1);
    if (what == "show" && (arguments.size() == 4 || (arguments.size() == 5 && arguments[4] == "loaded")) &&
        modeNamed(arguments[3]))
        return bench::runShow(arguments[2], *modeNamed(arguments[3]), arguments.size() == 5);
    if (what == "memory" && arguments.size() == 5)
        return bench::runMemory(arguments[2], arguments[3] == "fit", arguments[4] == "random");
    if (what == "floor")
        return bench::runDecodeFloor(arguments.mid(2));
    if (what == "listing" && arguments.size() == 3)
        return bench::runListing(arguments[2]);
    if (what == "startup")
        return bench::runStartup();
    std::fprintf(stderr, "unknown measurement: %s\n", qPrintable(arguments.join(' ')));
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--pictures") != 0) {
        qInstallMessageHandler(quietWarnings);
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        return measure(QCoreApplication::arguments());
    }
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString root =
        arguments.size() > 2 ? arguments[2] : QCoreApplication::applicationDirPath() + "/bench-pictures";
    return bench::report(QDir(root).absolutePath());
}

// feh, the peer, showing the same pictures fitted to the same screen in the same run.
#include "feh_run.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace bench {

namespace {

double milliseconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) * 1000 + static_cast<double>(time.tv_usec) / 1000;
}

// The CPU time of every child this process has waited for: feh's, once it has ended.
double reapedChildrenCpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

// The CPU time of a running process, user and system, from /proc.
double runningCpuMilliseconds(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray stat = file.readAll();
    // The fields after the command's name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    const double ticks = fields[11].toDouble() + fields[12].toDouble();
    return ticks * 1000 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// An X server of its own on a free display, whose number it writes on its standard output.
class Xvfb {
public:
    Xvfb()
    {
        server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"});
        if (server_.waitForReadyRead(10'000))
            display_ = ':' + QString::fromLatin1(server_.readLine().trimmed());
    }
    ~Xvfb()
    {
        server_.terminate();
        if (!server_.waitForFinished(5'000))
            server_.kill();
        server_.waitForFinished();
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    const QString& display() const { return display_; }
    double cpuMilliseconds() const { return runningCpuMilliseconds(server_.processId()); }

private:
    QProcess server_;
    QString display_;
};

}  // namespace

bool fehInstalled()
{
    return !QStandardPaths::findExecutable("feh").isEmpty() && !QStandardPaths::findExecutable("Xvfb").isEmpty();
}

std::optional<double> fehCpuPerPicture(const QStringList& files, int paceMilliseconds)
{
    Xvfb server;
    if (server.display().isEmpty() || files.isEmpty())
        return std::nullopt;
    QProcess feh;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", server.display());
    feh.setProcessEnvironment(environment);
    const QString pace = QString::number(paceMilliseconds / 1000.0);
    const double serverBefore = server.cpuMilliseconds();
    const double childrenBefore = reapedChildrenCpuMilliseconds();
    feh.start("feh", QStringList{"--fullscreen", "--auto-zoom", "--on-last-slide", "quit", "--slideshow-delay", pace,
                                 "--no-menus", "--quiet"} +
                         files);
    // Only a guard against a feh that hangs: a busy machine may take seconds over a large picture.
    const int allowed = 30'000 + (paceMilliseconds + 3'000) * static_cast<int>(files.size());
    if (!feh.waitForFinished(allowed) || feh.exitStatus() != QProcess::NormalExit || feh.exitCode() != 0) {
        std::fprintf(stderr, "feh failed or ran past %d ms on %s\n", allowed, qPrintable(files.first()));
        feh.kill();
        feh.waitForFinished();
        return std::nullopt;
    }
    const double used = reapedChildrenCpuMilliseconds() - childrenBefore + server.cpuMilliseconds() - serverBefore;
    return used / static_cast<double>(files.size());
}

}  // namespace bench

// Listing a folder of 20,000 entries into File1, against reading and sorting it in the plainest way.
#include <dirent.h>
#include <strings.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "display/window_designs.h"
#include "form/form1.h"
#include "form/form1_design.h"
#include "measure.h"
#include "platform/qt/qt_ui.h"
#include "runs.h"
#include "wiring.h"

namespace bench {

namespace {

constexpr int kRounds = 5;

bool isPictureName(const char* name)
{
    const std::size_t length = std::strlen(name);
    if (name[0] == '.' || length < 4)
        return false;
    const char* extension = name + length - 4;
    return strcasecmp(extension, ".bmp") == 0 || strcasecmp(extension, ".jpg") == 0 ||
           strcasecmp(extension, ".gif") == 0;
}

// readdir, a case-insensitive match of the three extensions and a case-insensitive sort.
std::size_t plainListing(const std::string& folder)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    std::vector<std::string> names;
    while (const dirent* entry = dir ? ::readdir(dir.get()) : nullptr) {
        if (isPictureName(entry->d_name))
            names.emplace_back(entry->d_name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) < 0; });
    return names.size();
}

}  // namespace

int runListing(const QString& folder)
{
    const std::string path = folder.toStdString();
    std::vector<double> floor;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point start = Clock::now();
        if (plainListing(path) == 0)
            return 1;
        floor.push_back(millisecondsSince(start));
    }

    platform::qt::QtUi ui({form::form1Design(), display::form2Design(), display::form3Design()});
    Form1 form(ui);
    wireEvents(form);
    form.Me.show();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10000);
    std::vector<double> listing;
    for (int round = 0; round < kRounds; ++round) {
        // The list reads a folder again only when it moves to it: away first, untimed.
        form.File1.setPath("/");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10000);
        const Clock::time_point start = Clock::now();
        form.File1.setPath(path);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10000);
        listing.push_back(millisecondsSince(start));
    }
    printFigure("listing_floor_ms", spreadOf(floor).median);
    printFigure("listing_ms", spreadOf(listing).median);
    printFigure("listed_entries", form.File1.listCount());
    return 0;
}

}  // namespace bench

// The command line: --help, --version and the one optional folder or picture the lists start at.
#pragma once

#include <optional>
#include <string>

class QCoreApplication;
struct Form1;

struct StartPlace {
    std::string folder;
    // A name in the folder, selected so that Go starts there; empty when a folder was named.
    std::string picture;
};

// Ends the process after --help or --version. A path that does not exist or cannot be read gives no
// place and one line on standard error.
std::optional<StartPlace> startPlaceFromCommandLine(const QCoreApplication& app, int argc, char* argv[]);

// Opens the place through the lists, as browsing would.
void openStartPlace(Form1& f, const StartPlace& place);

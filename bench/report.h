// The whole benchmark: every measurement in its own process, a table, the targets and the figures.
#pragma once

#include <QString>

namespace bench {

// Makes the pictures under root if needed, measures everything and prints the report.
int report(const QString& root);

}  // namespace bench

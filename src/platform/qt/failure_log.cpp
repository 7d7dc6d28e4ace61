// Failures passed over, written to the "pixora" logging category at debug level.
#include "platform/qt/failure_log.h"

namespace platform::qt {

Q_LOGGING_CATEGORY(pixoraLog, "pixora", QtInfoMsg)

void passOver(const std::string& where, const std::string& reason)
{
    qCDebug(pixoraLog, "%s: %s", where.c_str(), reason.c_str());
}

void QtFailureLog::passedOver(const std::string& where, const std::string& reason)
{
    passOver(where, reason);
}

}  // namespace platform::qt

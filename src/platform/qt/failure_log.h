// The program's one logging category, "pixora": the reason of each failure passed over without a word.
#pragma once

#include <string>

#include <QLoggingCategory>

#include "platform/failure.h"

namespace platform::qt {

// Debug messages only, off unless QT_LOGGING_RULES="pixora.debug=true" turns them on.
Q_DECLARE_LOGGING_CATEGORY(pixoraLog)

void passOver(const std::string& where, const std::string& reason);

class QtFailureLog : public FailureLog {
public:
    void passedOver(const std::string& where, const std::string& reason) override;
};

}  // namespace platform::qt

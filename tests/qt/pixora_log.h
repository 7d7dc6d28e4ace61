// What the program says in its "pixora" category while a test listens; the category is off until on().
#pragma once

#include <QLoggingCategory>
#include <QStringList>
#include <QtGlobal>

class PixoraLog {
public:
    PixoraLog() : previous_(qInstallMessageHandler(keep)) { said.clear(); }
    ~PixoraLog()
    {
        QLoggingCategory::setFilterRules({});
        qInstallMessageHandler(previous_);
    }
    void on() const { QLoggingCategory::setFilterRules("pixora.debug=true"); }

    static inline QStringList said;

private:
    static void keep(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtDebugMsg && qstrcmp(context.category, "pixora") == 0)
            said.append(text);
    }

    const QtMessageHandler previous_;
};

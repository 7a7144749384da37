#include "single_instance.h"

#include <QDir>
#include <QtGlobal>

using namespace Qt::StringLiterals;

namespace outfitter {

SingleInstance::SingleInstance(const QString& lockFilePath) : lock_(lockFilePath) {
    // Only a lock whose process has ended is stale, however old it is: a copy may run for days.
    lock_.setStaleLockTime(0);
    first_ = lock_.tryLock(0);
}

QString SingleInstance::defaultLockPath() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QDir::home().dirName();
    return QDir(QDir::tempPath()).filePath(u"outfitter-"_s + user + u".lock"_s);
}

} // namespace outfitter

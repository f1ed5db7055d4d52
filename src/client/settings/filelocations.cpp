#include "filelocations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace client {

namespace {

QString& programOverride() {
    static QString folder;
    return folder;
}

QString& userOverride() {
    static QString folder;
    return folder;
}

} // namespace

QString FileLocations::programFolder() {
    if (!programOverride().isEmpty()) return programOverride();
    return QCoreApplication::applicationDirPath();
}

void FileLocations::setProgramFolder(const QString& folder) {
    programOverride() = folder;
}

QString FileLocations::userFolder() {
    if (!userOverride().isEmpty()) return userOverride();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void FileLocations::setUserFolder(const QString& folder) {
    userOverride() = folder;
}

bool FileLocations::canWriteIn(const QString& folder) {
    if (folder.isEmpty() || !QDir(folder).exists()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".rimbalo-write-test-XXXXXX")));
    return probe.open();
}

QString FileLocations::writePath(const QString& fileName) {
    const QString program = programFolder();
    if (canWriteIn(program)) return QDir(program).filePath(fileName);
    const QString user = userFolder();
    QDir().mkpath(user);
    return QDir(user).filePath(fileName);
}

QString FileLocations::readPath(const QString& fileName) {
    const QString program = programFolder();
    if (!canWriteIn(program)) {
        const QString user = QDir(userFolder()).filePath(fileName);
        if (QFile::exists(user)) return user;
    }
    return QDir(program).filePath(fileName);
}

int FileLocations::removeStaleSaveFiles(const QString& folder, const QStringList& fileNames, int age) {
    // The atomic save writes a temporary file named after the file it replaces, then renames it.
    QStringList patterns;
    for (const QString& name : fileNames)
        patterns << QRegularExpression::escape(name);
    const QRegularExpression temporary(
        QStringLiteral("^(?:%1)\\.[A-Za-z0-9]{6}$").arg(patterns.join(QLatin1Char('|'))));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-age);
    int removed = 0;
    const QDir dir(folder);
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (!temporary.match(file.fileName()).hasMatch() || file.lastModified().toUTC() >= before) continue;
        if (QFile::remove(file.filePath())) ++removed;
    }
    return removed;
}

} // namespace client

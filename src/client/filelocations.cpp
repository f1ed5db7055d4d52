#include "filelocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

} // namespace client

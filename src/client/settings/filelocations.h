#pragma once
// Where the program keeps its files: the folder that holds the executable, or, when that folder cannot
// be written, the per-user application data folder. Tests point both at folders of their own.

#include <QString>
#include <QStringList>

namespace client {

class FileLocations {
public:
    // The folder of the executable, unless set.
    static QString programFolder();
    static void setProgramFolder(const QString& folder);
    // The per-user application data folder, unless set.
    static QString userFolder();
    static void setUserFolder(const QString& folder);

    // True when a file can be created in `folder` (it is tried, not guessed from permission bits).
    static bool canWriteIn(const QString& folder);

    // Where `fileName` is written: the program folder when it is writable, else the user folder.
    static QString writePath(const QString& fileName);
    // Where `fileName` is read: the user folder's copy when the program folder is not writable and that
    // copy exists (it is the newer one), otherwise the program folder's.
    static QString readPath(const QString& fileName);

    // Removes what a save of one of `fileNames` left behind when the program was killed while writing
    // it: "NAME.XXXXXX" (six letters or digits) in `folder`, untouched for longer than `age` seconds
    // (another running copy may be saving right now). Returns how many files were removed.
    static int removeStaleSaveFiles(const QString& folder, const QStringList& fileNames, int age = 600);
};

} // namespace client

#pragma once
// What every test of a main window needs, seated at a fed window or hosting a real game: the
// program's files in temporary folders, and the text of a label found by its name.

#include "client/settings/filelocations.h"

#include <QLabel>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

namespace testing_window {

// The program's files go to two temporary folders (the program's and the user's) for as long as
// this lives. Declare it before the windows, so they are gone before the folders are.
struct TempFolders {
    QTemporaryDir dir;
    QTemporaryDir userDir;
    TempFolders() {
        client::FileLocations::setProgramFolder(dir.path());
        client::FileLocations::setUserFolder(userDir.path());
    }
    ~TempFolders() {
        client::FileLocations::setProgramFolder({});
        client::FileLocations::setUserFolder({});
    }
};

// The text of the label named `name` inside `window`; empty when there is none.
inline QString labelText(const QWidget& window, const char* name) {
    const auto* l = window.findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QString();
}

} // namespace testing_window

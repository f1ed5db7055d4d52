// Saves the settings and the tally over and over, or reads them back: tools/crash_saves.sh kills the
// saving process at random moments and checks that what is on disk still reads.
//   savestress save DIR    saves round after round, printing "settings N" and "tally N" once each is on disk
//   savestress check DIR   prints the rounds the files hold; exits 1 when either does not read
#include "client/settings/filelocations.h"
#include "client/settings/settingsfile.h"
#include "windows/ttallylist.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

windows::Ttallylist::Files tallyFiles(const QString& dir) {
    const QString path = QDir(dir).filePath(QStringLiteral("rimbalotally.tld"));
    return {path, QString(), path};
}

int save(const QString& dir) {
    windows::Ttallylist tally(tallyFiles(dir));
    bool unreadable = false;
    tally.setMessageBox([&](const QString& text) {
        std::fprintf(stderr, "savestress: tally: %s\n", qPrintable(text));
        unreadable = true;
    });
    tally.load();
    if (unreadable) return 1;
    client::SettingsFile settings;
    client::Preferences prefs = settings.load({}).prefs;
    for (int round = prefs.phrases[0].toInt() + 1;; ++round) {
        prefs.phrases[0] = QString::number(round);
        prefs.textsize = 8 + 2 * (round % 4);
        if (!settings.savePhrases(prefs.phrases) || !settings.save(prefs)) {
            std::fprintf(stderr, "savestress: settings: %s\n", qPrintable(settings.lastError()));
            return 1;
        }
        std::printf("settings %d\n", round);
        std::fflush(stdout);
        tally.addgame(QStringLiteral("addtomine"), {});
        std::printf("tally %d\n", tally.tally().own().count(1));
        std::fflush(stdout);
    }
}

int check(const QString& dir) {
    client::SettingsFile settings;
    const client::SettingsFile::Loaded loaded = settings.load({});
    windows::Ttallylist tally(tallyFiles(dir));
    bool unreadable = loaded.readFailed;
    tally.setMessageBox([&](const QString& text) {
        std::fprintf(stderr, "savestress: tally: %s\n", qPrintable(text));
        unreadable = true;
    });
    tally.load();
    std::printf("settings %d\ntally %d\n", loaded.prefs.phrases[0].toInt(), tally.tally().own().count(1));
    return unreadable ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 || (args[1] != QLatin1String("save") && args[1] != QLatin1String("check"))) {
        std::fprintf(stderr, "usage: savestress save|check DIR\n");
        return 2;
    }
    client::FileLocations::setProgramFolder(args[2]);
    client::FileLocations::setUserFolder(args[2]);
    return args[1] == QLatin1String("save") ? save(args[2]) : check(args[2]);
}

// Plays sound cues through the desktop's sound output and quits: right away ("now"), or after the
// clips had a moment to start ("soon"). Every clip is asked for, so several are being read when the
// program ends. The sound tests check that this program ends.
#include "client/sound/soundcues.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool now = argc > 1 && QByteArray(argv[1]) == "now";
    client::SoundCues sounds;
    const char* cues[] = {"clickcard", "clearcard", "placecard", "getcard", "nocando",
                          "notvalid",  "pressyes",  "pressedit", "turn",    "turnnew",
                          "time",      "entered",   "roundover", "winner"};
    for (const char* cue : cues)
        sounds.play(QString::fromLatin1(cue));
    QTimer::singleShot(now ? 0 : 30, &app, [&] {
        sounds.play(QStringLiteral("wave7"));
        app.quit();
    });
    return app.exec();
}

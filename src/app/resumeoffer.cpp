#include "resumeoffer.h"

#include "game/gamerecorder.h"
#include "records/recordfolder.h"
#include "serverthread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

namespace resumeoffer {

namespace {

// The offer's texts: one translation context.
struct ResumeOffer {
    Q_DECLARE_TR_FUNCTIONS(ResumeOffer)
};

QString declinedName(const QString& folder) {
    QFile file(QDir(folder).filePath(QString::fromLatin1(kDeclinedFile)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readLine(4096)).trimmed();
}

QString describe(const records::Record& record, const game::ResumedTable& t) {
    QStringList seats;
    for (int seat = 1; seat <= game::kSeats; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        if (t.playing[s])
            seats << QStringLiteral("%1 (%2)").arg(QString::fromStdString(t.names[s])).arg(t.scores[s]);
    }
    const QString started = QString::fromStdString(record.started)
                                .replace(QLatin1Char('T'), QLatin1Char(' '))
                                .remove(QLatin1Char('Z'));
    return ResumeOffer::tr(
               "The game begun %1 (UTC) stopped before its end, in round %2.\nPlayers and scores: %3.")
        .arg(started)
        .arg(t.round)
        .arg(seats.join(QStringLiteral(", ")));
}

} // namespace

std::optional<StoppedGame> findStoppedGame(const QString& folder) {
    if (folder.isEmpty()) return std::nullopt;
    const std::vector<std::string> kept = records::listRecords(folder.toStdString());
    if (kept.empty()) return std::nullopt;
    const QString file = QString::fromStdString(kept.front());
    if (QFileInfo(file).fileName() == declinedName(folder)) return std::nullopt;
    const records::Record record = records::readRecordFile(kept.front());
    std::optional<game::ResumedTable> table = game::resumePoint(record, kept.front());
    if (!table) return std::nullopt;
    return StoppedGame{file, describe(record, *table), std::move(*table)};
}

bool decline(const QString& folder, const QString& file) {
    QSaveFile out(QDir(folder).filePath(QString::fromLatin1(kDeclinedFile)));
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(QFileInfo(file).fileName().toUtf8() + '\n');
    return out.commit();
}

QMessageBox* offer(QWidget* window, ServerThread& server) {
    const QString folder = server.recordsFolder();
    std::optional<StoppedGame> stopped = findStoppedGame(folder);
    if (!stopped) return nullptr;
    auto* box =
        new QMessageBox(QMessageBox::Question, ResumeOffer::tr("Resume the Stopped Game?"),
                        stopped->description + QStringLiteral("\n\n") +
                            ResumeOffer::tr("Resume it with the same seats, tiles, board and scores? Its "
                                            "players get their seats back by joining with their names."),
                        QMessageBox::NoButton, window);
    box->setObjectName(QStringLiteral("ResumeOffer"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* resume = box->addButton(ResumeOffer::tr("Resume"), QMessageBox::AcceptRole);
    resume->setObjectName(QStringLiteral("button_resume"));
    QPushButton* fresh = box->addButton(ResumeOffer::tr("New Game"), QMessageBox::DestructiveRole);
    fresh->setObjectName(QStringLiteral("button_newgame"));
    QPushButton* later = box->addButton(ResumeOffer::tr("Later"), QMessageBox::RejectRole);
    later->setObjectName(QStringLiteral("button_later"));
    box->setDefaultButton(resume);
    box->setEscapeButton(later);
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [box, resume, fresh, &server, folder, game = std::move(*stopped)](QAbstractButton* b) {
                         if (b == resume) {
                             server.resume(game.table);
                         } else if (b == fresh && !decline(folder, game.file)) {
                             QMessageBox::warning(
                                 box->parentWidget(), ResumeOffer::tr("Resume the Stopped Game?"),
                                 ResumeOffer::tr("The choice could not be kept: the records folder "
                                                 "cannot be written. The game will be offered again."));
                         }
                     });
    box->open();
    return box;
}

} // namespace resumeoffer

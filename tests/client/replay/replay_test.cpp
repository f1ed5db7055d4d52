// The game records window: a simulated game's record stepped through offscreen, damaged records,
// export.

#include "client/replay/replaywindow.h"
#include "game/gamerecorder.h"
#include "simapp/simulator.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Records `games` simulated games of three seats into `folder`.
void recordGames(const QString& folder, int games) {
    game::GameRecorder recorder(folder.toStdString());
    sim::SimOptions options;
    options.games = games;
    options.seats = 3;
    options.target = 300;
    sim::Simulator simulator(options);
    simulator.setTableSink(&recorder);
    simulator.run();
}

// Whether the table shows a tile in board cell (column, row): most of a tile is its cream face, much
// lighter than the green felt.
bool showsTile(const QImage& table, int column, int row) {
    const qreal f = std::min(table.width() / 460.0, table.height() / (380.0 + 4 * 36));
    const QRect cell(qRound((10 + (column - 1) * 20) * f), qRound((10 + (row - 1) * 30) * f), qRound(20 * f),
                     qRound(30 * f));
    int light = 0, all = 0;
    for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
        for (int x = cell.left() + 2; x < cell.right() - 1; ++x, ++all)
            light += qGray(table.pixel(x, y)) > 170 ? 1 : 0;
    return light * 3 > all;
}

QImage tableImage(client::ReplayWindow& w) {
    return w.findChild<QWidget*>(QStringLiteral("replay_table"))->grab().toImage();
}

} // namespace

TEST(ReplayWindow, StepsThroughARecordedGameShowingEachTurnsBoard) {
    QTemporaryDir dir;
    recordGames(dir.path(), 2);
    client::ReplayWindow w;
    w.setFolder(dir.path());
    w.show();
    auto* list = w.findChild<QTreeWidget*>(QStringLiteral("replay_list"));
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("Seat1, Seat2, Seat3"));
    list->setCurrentItem(list->topLevelItem(0));
    const records::Record& r = w.record();
    ASSERT_TRUE(r.finished());
    EXPECT_EQ(list->topLevelItem(0)->text(2).toStdString(), r.winner);
    ASSERT_GT(r.positions.size(), 30u);
    ASSERT_GT(r.rounds(), 1);
    EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("replay_message"))->isHidden());

    auto* forward = w.findChild<QPushButton*>(QStringLiteral("button_forward"));
    auto* log = w.findChild<QListWidget*>(QStringLiteral("replay_log"));
    for (int k = 0; k < 30; ++k) {
        ASSERT_EQ(w.position(), k);
        const records::Position& p = r.positions[static_cast<std::size_t>(k)];
        EXPECT_EQ(log->currentRow(), static_cast<int>(p.logSize) - 1);
        const QImage table = tableImage(w);
        for (int column = 1; column <= rules::kLastColumn; ++column)
            for (int row = 1; row <= rules::kLastRow; ++row)
                ASSERT_EQ(showsTile(table, column, row), p.board.at(column, row) != 0)
                    << "turn " << k << " cell " << column << "," << row << " in a table of " << table.width()
                    << "x" << table.height();
        QTest::mouseClick(forward, Qt::LeftButton);
    }

    // The round's end and start, the slider over the whole game, and the keys.
    w.toRoundEnd();
    EXPECT_TRUE(r.positions[static_cast<std::size_t>(w.position())].roundEnd);
    const int end = w.position();
    ASSERT_LT(end + 1, static_cast<int>(r.positions.size()));
    w.toRoundStart();
    EXPECT_EQ(w.position(), 0);
    w.findChild<QSlider*>(QStringLiteral("replay_slider"))->setValue(end);
    EXPECT_EQ(w.position(), end);
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_EQ(w.position(), end + 1);
    EXPECT_EQ(r.positions[static_cast<std::size_t>(end + 1)].round, 2);
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_Home); // to the start of this round, then of the one before
    EXPECT_EQ(w.position(), end + 1);
    QTest::keyClick(&w, Qt::Key_Home);
    EXPECT_EQ(w.position(), 0);
    QTest::keyClick(&w, Qt::Key_End);
    EXPECT_EQ(w.position(), end);

    // Exported, the file is the record itself.
    const QString exported = dir.filePath(QStringLiteral("sent.rimrec"));
    ASSERT_TRUE(w.exportTo(exported));
    EXPECT_EQ(records::readRecordFile(exported.toStdString()).positions.size(), r.positions.size());
}

TEST(ReplayWindow, ADamagedRecordShowsAMessageAndWhatCouldBeRead) {
    QTemporaryDir dir;
    recordGames(dir.path(), 1);
    const QString path = QDir(dir.path()).entryInfoList({QStringLiteral("*.rimrec")}).first().filePath();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray text = file.readAll();
    file.resize(text.size() / 3);
    file.close();

    client::ReplayWindow w;
    w.show();
    EXPECT_TRUE(w.openFile(path));
    auto* message = w.findChild<QLabel*>(QStringLiteral("replay_message"));
    EXPECT_FALSE(message->isHidden());
    EXPECT_TRUE(message->text().contains(QStringLiteral("ends before the game does")));
    EXPECT_GT(w.record().positions.size(), 3u);
    w.toRoundEnd();
    EXPECT_EQ(w.position(), static_cast<int>(w.record().positions.size()) - 1);

    const QString junk = dir.filePath(QStringLiteral("junk.rimrec"));
    QFile j(junk);
    ASSERT_TRUE(j.open(QIODevice::WriteOnly));
    j.write("GIF89a\x01\x02 not a record");
    j.close();
    EXPECT_FALSE(w.openFile(junk));
    EXPECT_EQ(message->text(), QStringLiteral("This is not a Rimbalo game record."));
    EXPECT_EQ(w.position(), -1);
    EXPECT_FALSE(w.findChild<QPushButton*>(QStringLiteral("button_forward"))->isEnabled());
}

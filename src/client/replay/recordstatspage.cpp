#include "recordstatspage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace client {

RecordStatsPage::RecordStatsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RecordStatsPage"));
    player_ = new QComboBox;
    player_->setObjectName(QStringLiteral("stats_player"));
    player_->setAccessibleName(tr("Player"));
    connect(player_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty()) showPlayer(name);
    });
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("stats_summary"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    opponents_ = new QTreeWidget;
    opponents_->setObjectName(QStringLiteral("stats_opponents"));
    opponents_->setHeaderLabels({tr("Opponent"), tr("Games played"), tr("Games won")});
    opponents_->setRootIsDecorated(false);
    opponents_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* form = new QFormLayout;
    form->addRow(tr("Player:"), player_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(summary_);
    layout->addWidget(opponents_, 1);
}

void RecordStatsPage::setFolder(const QString& folder, const QString& player) {
    games_ = records::summarizeFolder(folder.toStdString());
    const std::vector<std::string> names = records::playerNames(games_);
    QStringList list;
    for (const std::string& name : names)
        list << QString::fromStdString(name);
    const QSignalBlocker quiet(player_);
    player_->clear();
    player_->addItems(list);
    const QString chosen = list.contains(player) ? player : (list.isEmpty() ? QString() : list.front());
    player_->setCurrentText(chosen);
    showPlayer(chosen);
}

void RecordStatsPage::showPlayer(const QString& player) {
    stats_ = records::statsFor(player.toStdString(), games_);
    if (player_->currentText() != player) {
        const QSignalBlocker quiet(player_);
        player_->setCurrentText(player);
    }
    QString text;
    if (games_.empty()) {
        text = tr("No games have been recorded yet.");
    } else {
        text = tr("Games played: %1, won: %2").arg(stats_.games).arg(stats_.won);
        text += QLatin1Char('\n') +
                tr("Rounds played: %1, gone out: %2").arg(stats_.rounds).arg(stats_.roundsOut);
        text += QLatin1Char('\n') +
                tr("Average points per round: %1").arg(QLocale().toString(stats_.averagePoints(), 'f', 1));
        if (stats_.hasBest)
            text += QLatin1Char('\n') + tr("Best round: %1 points (round %2 of the game of %3)")
                                            .arg(stats_.best.points)
                                            .arg(stats_.best.round)
                                            .arg(QString::fromStdString(stats_.best.started)
                                                     .replace(QLatin1Char('T'), QLatin1Char(' '))
                                                     .remove(QLatin1Char('Z')));
        text += QLatin1Char('\n') + tr("From %n recorded game(s).", nullptr, static_cast<int>(games_.size()));
    }
    summary_->setText(text);
    opponents_->clear();
    for (const records::OpponentStats& o : stats_.opponents)
        new QTreeWidgetItem(
            opponents_, {QString::fromStdString(o.name), QString::number(o.played), QString::number(o.won)});
}

} // namespace client

#pragma once
// The statistics of the games in the records folder, for one player chosen from the names the records
// hold: games played and won against each opponent, the average points of a round, the rounds gone
// out and the best round.

#include "records/recordstats.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QTreeWidget;

namespace client {

class RecordStatsPage : public QWidget {
    Q_OBJECT
public:
    explicit RecordStatsPage(QWidget* parent = nullptr);

    // Reads the records of `folder` and shows the statistics of `player` (or, when no record holds that
    // name, of the name people played under most).
    void setFolder(const QString& folder, const QString& player = {});
    // Shows the statistics of another name of the records read.
    void showPlayer(const QString& player);

    const records::PlayerStats& stats() const { return stats_; }

private:
    std::vector<records::GameSummary> games_;
    records::PlayerStats stats_;
    QComboBox* player_;
    QLabel* summary_;
    QTreeWidget* opponents_;
};

} // namespace client

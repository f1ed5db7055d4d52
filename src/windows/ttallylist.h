#pragma once
// The tally list: the player's own record and the record against every opponent the player chose to
// tally, kept across sessions in the compressed tally file.

#include "auxwindow.h"

#include "tally/tally.h"

#include <array>
#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace windows {

class Ttallylist : public AuxWindow {
    Q_OBJECT
public:
    // Where the tally is read from and written to; `older` is an earlier version's file, taken over once.
    struct Files {
        QString read;
        QString older;
        QString write;
    };
    explicit Ttallylist(Files files, QWidget* parent = nullptr);
    // Writes the tally one last time.
    ~Ttallylist() override;

    // Yes/No questions and notices; message boxes unless replaced.
    void setQuestion(std::function<bool(const QString&)> ask) { ask_ = std::move(ask); }
    void setMessageBox(std::function<void(const QString&)> show) { message_ = std::move(show); }

    // Reads the tally (an older version's file first) and starts a new session.
    void load();
    // Writes the tally atomically; false (the previous file untouched) when it cannot.
    bool save();

    // A game ended. `winner` is "addtomine" for the player's own win, else the winner's name; `inGame`
    // the names on the other seats.
    void addgame(const QString& winner, const QStringList& inGame);
    // "View Tally": lists the players of the current game and shows the window over `owner`.
    void showWith(const QStringList& inGame, QWidget* owner);

    const tally::Tally& tally() const { return tally_; }

signals:
    // The tally could not be written (told once, until a save works again).
    void saveFailed(const QString& text);
    // "Statistics": the statistics of the recorded games are asked for.
    void statisticsRequested();

private:
    void buildRecord();
    void buildLists();
    void buildOpponent();
    bool loadFrom(const QString& path);
    void keepUnreadable(const QString& path, const QString& why);
    void loadtally();
    void fillChecklist(const QStringList& inGame);
    void checklistChanged(QListWidgetItem* item);
    void tallyChanged(QListWidgetItem* item);
    // An opponent unticked in the tally list: asks, then stops tallying or ticks the name again.
    void confirmStop(const QString& name);
    void showRow(int row);
    void showOwn();
    void resetTally();
    void addTallyItem(const QString& name);

    Files files_;
    tally::Tally tally_;
    std::function<bool(const QString&)> ask_;
    std::function<void(const QString&)> message_;
    std::array<QLabel*, 4> mine_{};
    std::array<QLabel*, 8> counts_{};
    QLabel* hisname_ = nullptr;
    QLabel* hisnametop_ = nullptr;
    QListWidget* checklist_ = nullptr;
    QListWidget* tallied_ = nullptr;
    bool filling_ = false; // lists being filled by the program, not ticked by the player
    bool failureTold_ = false;
};

} // namespace windows

#pragma once
// The game records window: the list of recorded games in the records folder, and for the game chosen
// the board and the four racks as they stood at every turn, stepped through with the buttons or the
// slider beside the game's log. A record can also be opened from a file or dropped on the window, and
// exported as its record file.

#include "records/record.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QTreeWidget;

namespace client {

class TileImages;

class ReplayWindow : public QWidget {
    Q_OBJECT
public:
    // `tiles` are the game's tile pictures (the built-in ones when null).
    explicit ReplayWindow(const TileImages* tiles = nullptr, QWidget* parent = nullptr);
    ~ReplayWindow() override;

    // Lists the records of `folder`, newest first.
    void setFolder(const QString& folder);
    // Shows the record in `path`; false (with the message shown) when nothing of it could be read.
    bool openFile(const QString& path);
    // Writes the record shown to `path`; false with a message when it cannot.
    bool exportTo(const QString& path);

    const records::Record& record() const { return record_; }
    int position() const { return position_; }
    void setPosition(int index);
    void forward() { setPosition(position_ + 1); }
    void back() { setPosition(position_ - 1); }
    void toRoundStart();
    void toRoundEnd();

signals:
    // "Statistics…": the statistics of the recorded games are asked for.
    void statisticsRequested();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void display(records::Record record, const QString& path);
    void refresh();
    void chooseExport();
    void chooseOpen();

    class Table;
    std::unique_ptr<TileImages> ownTiles_;
    const TileImages* tiles_;
    records::Record record_;
    QString path_;
    QString folder_;
    int position_ = -1;
    QTreeWidget* list_;
    Table* table_;
    QListWidget* log_;
    QSlider* slider_;
    QLabel* where_;
    QLabel* message_;
    QPushButton* export_;
};

} // namespace client

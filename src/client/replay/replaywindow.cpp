#include "replaywindow.h"

#include "client/play/boardview.h"
#include "client/play/tileimages.h"

#include "records/recordstats.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace client {

namespace {

constexpr QSize kBoardPicture(460, 380); // the game's board picture at its base size
constexpr int kFrame = 10;
constexpr int kCell = 20;     // a cell's width at the base size; its height is 1.5 times that
constexpr int kRackLine = 36; // a rack's line under the board at the base size

QString seatName(const std::array<records::RecordSeat, 5>& seats, int seat) {
    const std::string& name = seats[static_cast<std::size_t>(seat)].name;
    return name.empty() ? QCoreApplication::translate("client::ReplayWindow", "Seat %1").arg(seat)
                        : QString::fromStdString(name);
}

QString seatName(const records::Record& r, int seat) {
    return seatName(r.seats, seat);
}

} // namespace

// The board and the four racks of one position, drawn with the game's pictures at the window's scale.
class ReplayWindow::Table : public QWidget {
public:
    Table(const ReplayWindow* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
        setObjectName(QStringLiteral("replay_table"));
        setMinimumSize(kBoardPicture.width() / 2, (kBoardPicture.height() + 4 * kRackLine) / 2);
    }
    QSize sizeHint() const override {
        return {kBoardPicture.width(), kBoardPicture.height() + 4 * kRackLine};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        const qreal f = std::min(qreal(width()) / kBoardPicture.width(),
                                 qreal(height()) / (kBoardPicture.height() + 4 * kRackLine));
        const QRect picture(0, 0, qRound(kBoardPicture.width() * f), qRound(kBoardPicture.height() * f));
        BoardView::paintBoardPicture(p, picture);
        const int index = owner_->position();
        if (index < 0) return;
        const records::Record& r = owner_->record();
        const records::Position& at = r.positions[static_cast<std::size_t>(index)];
        const qreal w = kCell * f, h = 1.5 * kCell * f;
        for (const rules::BoardItem& item : at.board.list())
            if (item.column >= 1 && item.row >= 1)
                owner_->tiles_->drawSmall(
                    p, QRectF(kFrame * f + (item.column - 1) * w, kFrame * f + (item.row - 1) * h, w, h),
                    item.tile);
        QFont font = p.font();
        font.setPixelSize(std::max(8, qRound(11 * f)));
        p.setFont(font);
        for (int seat = 1; seat <= 4; ++seat) {
            const auto s = static_cast<std::size_t>(seat);
            const qreal top = picture.height() + (seat - 1) * kRackLine * f + 2 * f;
            const bool onTurn = !at.roundEnd && at.seat == seat;
            p.setPen(onTurn ? QColor(170, 20, 20) : palette().windowText().color());
            const QString label = at.playing[s]
                                      ? QStringLiteral("%1 (%2)").arg(seatName(r, seat)).arg(at.scores[s])
                                      : seatName(r, seat) + QStringLiteral(" —");
            p.drawText(QRectF(0, top, 90 * f, kRackLine * f), Qt::AlignVCenter | Qt::TextSingleLine, label);
            std::vector<int> tiles;
            for (int cell = 1; cell <= rules::kRackCells; ++cell)
                if (const int tile = at.racks[s].cells[static_cast<std::size_t>(cell)]; tile != 0)
                    tiles.push_back(tile);
            // Up to 18 tiles at the board's size; more share the line.
            const qreal room = picture.width() - 92 * f;
            const qreal tw = std::min(w * 0.9, room / std::max<std::size_t>(tiles.size(), 1));
            for (std::size_t i = 0; i < tiles.size(); ++i)
                owner_->tiles_->drawSmall(p, QRectF(92 * f + i * tw, top + 1, tw, tw * 1.5), tiles[i]);
        }
    }

private:
    const ReplayWindow* owner_;
};

ReplayWindow::ReplayWindow(const TileImages* tiles, QWidget* parent)
    : QWidget(parent, Qt::Window), ownTiles_(tiles ? nullptr : std::make_unique<TileImages>()),
      tiles_(tiles ? tiles : ownTiles_.get()) {
    setObjectName(QStringLiteral("ReplayWindow"));
    setWindowTitle(tr("Game Records"));
    setAcceptDrops(true);

    list_ = new QTreeWidget;
    list_->setObjectName(QStringLiteral("replay_list"));
    list_->setHeaderLabels({tr("Date"), tr("Players"), tr("Winner"), tr("Scores")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) openFile(item->data(0, Qt::UserRole).toString());
    });

    table_ = new Table(this, this);
    log_ = new QListWidget;
    log_->setObjectName(QStringLiteral("replay_log"));
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName(QStringLiteral("replay_slider"));
    connect(slider_, &QSlider::valueChanged, this, [this](int v) { setPosition(v); });
    where_ = new QLabel;
    where_->setObjectName(QStringLiteral("replay_position"));
    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("replay_message"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #a01010"));
    message_->hide();

    auto button = [this](const char* name, const QString& text, const QString& tip, auto action) {
        auto* b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    auto* steps = new QHBoxLayout;
    steps->addWidget(button("button_roundstart", QStringLiteral("|◀"), tr("To the round's start (Home)"),
                            [this] { toRoundStart(); }));
    steps->addWidget(
        button("button_back", QStringLiteral("◀"), tr("Back one turn (Left)"), [this] { back(); }));
    steps->addWidget(
        button("button_forward", QStringLiteral("▶"), tr("Forward one turn (Right)"), [this] { forward(); }));
    steps->addWidget(button("button_roundend", QStringLiteral("▶|"), tr("To the round's end (End)"),
                            [this] { toRoundEnd(); }));
    steps->addWidget(slider_, 1);
    steps->addWidget(where_);
    auto* files = new QHBoxLayout;
    files->addWidget(button("button_open", tr("Open…"), tr("Open a record file"), [this] { chooseOpen(); }));
    export_ = button("button_export", tr("Export…"), tr("Save this game's record file to send"),
                     [this] { chooseExport(); });
    files->addWidget(export_);
    files->addWidget(button("button_statistics", tr("Statistics…"),
                            tr("Games played and won, points per round, the best round"),
                            [this] { emit statisticsRequested(); }));
    files->addStretch(1);

    auto* tableSide = new QWidget;
    auto* tableLayout = new QVBoxLayout(tableSide);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(table_, 1);
    tableLayout->addLayout(steps);
    auto* middle = new QSplitter;
    middle->addWidget(tableSide);
    middle->addWidget(log_);
    middle->setStretchFactor(0, 3);
    middle->setStretchFactor(1, 1);
    middle->setSizes({620, 260});
    auto* all = new QSplitter(Qt::Vertical);
    all->addWidget(list_);
    all->addWidget(middle);
    all->setStretchFactor(1, 4);
    all->setSizes({110, 540});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(all, 1);
    layout->addLayout(files);
    resize(900, 680);
    refresh();
}

ReplayWindow::~ReplayWindow() = default;

void ReplayWindow::setFolder(const QString& folder) {
    folder_ = folder;
    list_->clear();
    for (const records::GameSummary& g : records::summarizeFolder(folder.toStdString())) {
        // "Ann, Kling" and "Ann 320, Kling 210": the seats dealt into the game.
        QStringList players, scores;
        for (int seat = 1; seat <= 4; ++seat)
            if (g.playing[static_cast<std::size_t>(seat)]) {
                players << seatName(g.seats, seat);
                scores << QStringLiteral("%1 %2")
                              .arg(players.back())
                              .arg(g.scores[static_cast<std::size_t>(seat)]);
            }
        auto* item = new QTreeWidgetItem(
            list_, {QString::fromStdString(g.started).replace('T', ' ').remove('Z'),
                    players.join(QStringLiteral(", ")),
                    !g.winner.empty() ? QString::fromStdString(g.winner) : tr("(not finished)"),
                    scores.join(QStringLiteral(", "))});
        item->setData(0, Qt::UserRole, QString::fromStdString(g.file));
    }
}

bool ReplayWindow::openFile(const QString& path) {
    records::Record r = records::readRecordFile(path.toStdString());
    const bool any = !r.positions.empty();
    display(std::move(r), path);
    return any;
}

void ReplayWindow::display(records::Record record, const QString& path) {
    record_ = std::move(record);
    path_ = path;
    position_ = record_.positions.empty() ? -1 : 0;
    setWindowTitle(tr("Game Records — %1").arg(QFileInfo(path).fileName()));
    message_->setText(QString::fromStdString(record_.problem));
    message_->setVisible(!record_.problem.empty());
    log_->clear();
    for (const std::string& line : record_.log)
        log_->addItem(QString::fromStdString(line));
    const QSignalBlocker quiet(slider_);
    slider_->setRange(0, std::max(0, static_cast<int>(record_.positions.size()) - 1));
    slider_->setValue(0);
    refresh();
}

void ReplayWindow::setPosition(int index) {
    if (record_.positions.empty()) return;
    position_ = std::clamp(index, 0, static_cast<int>(record_.positions.size()) - 1);
    refresh();
}

void ReplayWindow::toRoundStart() {
    if (position_ < 0) return;
    const int round = record_.positions[static_cast<std::size_t>(position_)].round;
    int i = position_;
    // From a round's first turn, one step further back: to the start of the round before.
    if (i > 0 && record_.positions[static_cast<std::size_t>(i - 1)].round != round) --i;
    const int target = record_.positions[static_cast<std::size_t>(i)].round;
    while (i > 0 && record_.positions[static_cast<std::size_t>(i - 1)].round == target)
        --i;
    setPosition(i);
}

void ReplayWindow::toRoundEnd() {
    if (position_ < 0) return;
    const int last = static_cast<int>(record_.positions.size()) - 1;
    int i = position_;
    if (i < last && record_.positions[static_cast<std::size_t>(i)].roundEnd) ++i;
    const int round = record_.positions[static_cast<std::size_t>(i)].round;
    while (i < last && record_.positions[static_cast<std::size_t>(i + 1)].round == round)
        ++i;
    setPosition(i);
}

void ReplayWindow::refresh() {
    const bool any = position_ >= 0;
    for (const char* name : {"button_roundstart", "button_back", "button_forward", "button_roundend"})
        findChild<QPushButton*>(QLatin1String(name))->setEnabled(any);
    slider_->setEnabled(any);
    export_->setEnabled(!path_.isEmpty() && QFileInfo::exists(path_));
    if (!any) {
        where_->setText(QString());
        table_->update();
        return;
    }
    const records::Position& p = record_.positions[static_cast<std::size_t>(position_)];
    where_->setText(
        p.roundEnd
            ? tr("Round %1, end").arg(p.round)
            : tr("Round %1, turn %2 of %3").arg(p.round).arg(p.turn).arg(record_.positions.back().turn));
    {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(position_);
    }
    if (p.logSize > 0 && static_cast<int>(p.logSize) <= log_->count()) {
        log_->setCurrentRow(static_cast<int>(p.logSize) - 1);
        log_->scrollToItem(log_->currentItem());
    }
    table_->update();
}

bool ReplayWindow::exportTo(const QString& path) {
    QFile::remove(path);
    if (QFile::copy(path_, path)) return true;
    message_->setText(tr("Could not export the record to %1.").arg(path));
    message_->show();
    return false;
}

void ReplayWindow::chooseExport() {
    const QString to = QFileDialog::getSaveFileName(
        this, tr("Export Game Record"), QFileInfo(path_).fileName(), tr("Rimbalo game records (*.rimrec)"));
    if (!to.isEmpty()) exportTo(to);
}

void ReplayWindow::chooseOpen() {
    const QString from = QFileDialog::getOpenFileName(this, tr("Open Game Record"), folder_,
                                                      tr("Rimbalo game records (*.rimrec);;All files (*)"));
    if (!from.isEmpty()) openFile(from);
}

void ReplayWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().first().isLocalFile())
        event->acceptProposedAction();
}

void ReplayWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    openFile(urls.first().toLocalFile());
    event->acceptProposedAction();
}

void ReplayWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        back();
        break;
    case Qt::Key_Right:
        forward();
        break;
    case Qt::Key_Home:
        toRoundStart();
        break;
    case Qt::Key_End:
        toRoundEnd();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace client

#include "ttallylist.h"

#include "artwork.h"

#include "tally/lzrw1kh.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QSaveFile>

namespace windows {

namespace {

std::string toStd(const QString& s) {
    return s.toStdString();
}

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

// A file far beyond any tally is refused before it is read.
constexpr qint64 kMaxFileSize = qint64{64} << 20;
// Unreadable files set aside, at most; past that the file stays where it is, untouched.
constexpr int kMaxSetAside = 999;

} // namespace

Ttallylist::Ttallylist(Files files, QWidget* parent)
    : AuxWindow(QStringLiteral("Ttallylist"), tr("Rimbalo - Tally List"), parent), files_(std::move(files)) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(440, 420);
    ask_ = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    message_ = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
    buildRecord();
    buildLists();
    buildOpponent();

    auto* reset = new ImageButton(QStringLiteral("button_reset"), tr("Reset Tally"), this);
    reset->setBaseColour(QColor(150, 60, 50));
    reset->setGeometry(14, 372, 120, 32);
    connect(reset, &QAbstractButton::clicked, this, &Ttallylist::resetTally);
    auto* done = new ImageButton(QStringLiteral("button_done"), QStringLiteral("Done"), this);
    done->setBaseColour(QColor(46, 140, 70));
    done->setGeometry(306, 372, 120, 32);
    connect(done, &QAbstractButton::clicked, this, &QWidget::close);
    // The statistics of the recorded games open beside the tally.
    auto* statistics = new ImageButton(QStringLiteral("button_statistics"), tr("Statistics"), this);
    statistics->setBaseColour(QColor(60, 90, 150));
    statistics->setGeometry(160, 372, 120, 32);
    connect(statistics, &QAbstractButton::clicked, this, &Ttallylist::statisticsRequested);
    showOwn();
    showRow(0);
}

Ttallylist::~Ttallylist() {
    save();
}

void Ttallylist::buildRecord() {
    static const char* const captions[] = {QT_TR_NOOP("Total Games:"), QT_TR_NOOP("Your Wins:"),
                                           QT_TR_NOOP("Var3:"), QT_TR_NOOP("Var4:")};
    for (int i = 0; i < 4; ++i) {
        const int x = 14 + (i % 2) * 210;
        QLabel* caption = makeLabel(QStringLiteral("mycaption_%1").arg(i + 1), tr(captions[i]), 14, true);
        caption->setGeometry(x, 12, 110, 22);
        mine_[i] = makeLabel(QStringLiteral("mylabel_%1").arg(i + 1), QStringLiteral("0"), 14, true);
        mine_[i]->setGeometry(x + 112, 12, 90, 22);
        // The two spare counters are kept in the file but not shown.
        caption->setVisible(i < 2);
        mine_[i]->setVisible(i < 2);
    }
}

void Ttallylist::buildLists() {
    makeLabel(QStringLiteral("label_checklist"), tr("Players In Current Game"), 12, true)
        ->setGeometry(14, 44, 200, 20);
    makeLabel(QStringLiteral("label_listbox"), tr("Players Being Tallied"), 12, true)
        ->setGeometry(226, 44, 200, 20);
    checklist_ = new QListWidget(this);
    checklist_->setObjectName(QStringLiteral("checklist"));
    checklist_->setGeometry(14, 66, 200, 110);
    connect(checklist_, &QListWidget::itemChanged, this, &Ttallylist::checklistChanged);
    tallied_ = new QListWidget(this);
    tallied_->setObjectName(QStringLiteral("listbox_tally"));
    tallied_->setGeometry(226, 66, 200, 110);
    connect(tallied_, &QListWidget::itemChanged, this, &Ttallylist::tallyChanged);
    connect(tallied_, &QListWidget::currentRowChanged, this, [this](int row) { showRow(row + 1); });
}

void Ttallylist::buildOpponent() {
    auto* inset = new PaintedImage(
        QStringLiteral("panel_opponent"), [](QPainter& p, const QRect& r) { paintInset(p, r); }, this);
    inset->setGeometry(14, 190, 412, 168);
    hisnametop_ = makeLabel(QStringLiteral("label_hisnametop"), QString(), 16, true);
    hisnametop_->setGeometry(24, 196, 392, 24);
    hisnametop_->setAlignment(Qt::AlignCenter);
    makeLabel(QStringLiteral("label_total"), tr("Total"), 13, true)->setGeometry(220, 226, 80, 20);
    makeLabel(QStringLiteral("label_session"), tr("Session"), 13, true)->setGeometry(320, 226, 80, 20);
    hisname_ = makeLabel(QStringLiteral("label_hisname"), QString(), 13, true);
    const QString rows[] = {tr("Number of Games:"), QString(), tr("Your Wins:"), tr("Neither Won:")};
    for (int r = 0; r < 4; ++r) {
        const int y = 252 + r * 26;
        QLabel* caption =
            r == 1 ? hisname_ : makeLabel(QStringLiteral("caption_%1").arg(r + 1), rows[r], 13, true);
        caption->setGeometry(28, y, 186, 20);
        for (int half = 0; half < 2; ++half) {
            QLabel*& label = counts_[static_cast<std::size_t>(r + half * 4)];
            label = makeLabel(QStringLiteral("label_%1").arg(r + 1 + half * 4), QStringLiteral("0"), 13);
            label->setGeometry(220 + half * 100, y, 80, 20);
        }
    }
}

void Ttallylist::load() {
    tally_ = tally::Tally();
    bool fromOlder = false;
    if (!files_.older.isEmpty() && QFile::exists(files_.older)) fromOlder = loadFrom(files_.older);
    if (!fromOlder && !files_.read.isEmpty() && QFile::exists(files_.read)) loadFrom(files_.read);
    tally_.startSession();
    // The older file goes only once its tally is safely in the new one.
    if (fromOlder && save()) QFile::remove(files_.older);
    loadtally();
}

bool Ttallylist::loadFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        message_(tr("Lzrw1 (de)compression : Failed to open input file : %1").arg(path));
        return false;
    }
    if (file.size() > kMaxFileSize) {
        keepUnreadable(path, tr("%1 is far too large for a tally.").arg(path));
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        message_(tr("Lzrw1 : Error reading from input file : %1").arg(path));
        return false;
    }
    file.close();
    const auto unpacked = tally::decompressText(
        {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())});
    if (!unpacked.ok()) {
        keepUnreadable(path, fromStd(tally::errorMessage(unpacked.error, toStd(path))));
        return false;
    }
    auto read = tally::Tally::fromText(unpacked.text);
    if (!read) {
        keepUnreadable(path, tr("%1 does not hold a tally.").arg(path));
        return false;
    }
    tally_ = std::move(*read);
    return true;
}

void Ttallylist::keepUnreadable(const QString& path, const QString& why) {
    // Every file set aside is kept: ".bad", then ".bad2", ".bad3" ...
    QString aside = path + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(aside) && n <= kMaxSetAside; ++n)
        aside = path + QStringLiteral(".bad%1").arg(n);
    if (!QFileInfo::exists(aside) && QFile::rename(path, aside)) {
        message_(why + QLatin1Char('\n') +
                 tr("The file is kept as %1 and a new tally is started.").arg(QFileInfo(aside).fileName()));
        return;
    }
    // It could not be moved aside: it must not be overwritten either.
    if (path == files_.write) files_.write.clear();
    message_(why + QLatin1Char('\n') + tr("A new tally is started; it will not be saved over that file."));
}

bool Ttallylist::save() {
    if (files_.write.isEmpty()) return false;
    const tally::Bytes bytes = tally::compressText(tally_.toText());
    QSaveFile file(files_.write);
    const auto size = static_cast<qint64>(bytes.size());
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved && file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        file.cancelWriting();
        saved = false;
    }
    saved = saved && file.commit();
    if (!saved && !failureTold_) {
        failureTold_ = true;
        emit saveFailed(tr("The tally could not be saved to %1: %2")
                            .arg(QDir::toNativeSeparators(files_.write), file.errorString()));
    }
    if (saved) failureTold_ = false;
    return saved;
}

void Ttallylist::loadtally() {
    showOwn();
    filling_ = true;
    tallied_->clear();
    for (std::size_t r = 1; r < tally_.rows().size(); ++r)
        addTallyItem(fromStd(tally_.rows()[r].name));
    filling_ = false;
    showRow(0);
}

void Ttallylist::addTallyItem(const QString& name) {
    const bool filling = filling_;
    filling_ = true;
    auto* item = new QListWidgetItem(name, tallied_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    filling_ = filling;
}

void Ttallylist::fillChecklist(const QStringList& inGame) {
    filling_ = true;
    checklist_->clear();
    for (const QString& name : inGame) {
        auto* item = new QListWidgetItem(name, checklist_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(tally_.find(toStd(name)) != 0 ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
}

void Ttallylist::addgame(const QString& winner, const QStringList& inGame) {
    fillChecklist(inGame);
    std::vector<std::string> names;
    for (const QString& name : inGame)
        names.push_back(toStd(name));
    tally_.addGame(toStd(winner), names);
    showOwn();
    showRow(tallied_->currentRow() + 1);
    save();
}

void Ttallylist::showWith(const QStringList& inGame, QWidget* owner) {
    fillChecklist(inGame);
    showOver(owner);
}

void Ttallylist::checklistChanged(QListWidgetItem* item) {
    if (filling_ || item->checkState() != Qt::Checked) return;
    const QString name = item->text();
    if (!tally_.addPlayer(toStd(name))) return;
    addTallyItem(name);
    save();
}

void Ttallylist::tallyChanged(QListWidgetItem* item) {
    if (filling_ || item->checkState() == Qt::Checked) return;
    // Answered after the click is over: the item may be deleted.
    const QString name = item->text();
    QMetaObject::invokeMethod(
        this, [this, name] { confirmStop(name); }, Qt::QueuedConnection);
}

void Ttallylist::confirmStop(const QString& name) {
    const int row = tally_.find(toStd(name));
    QListWidgetItem* item = row > 0 ? tallied_->item(row - 1) : nullptr;
    if (!item || item->checkState() == Qt::Checked) return;
    if (!ask_(tr("This will delete %1's Tally, Are you want to delete it?").arg(name))) {
        filling_ = true;
        item->setCheckState(Qt::Checked);
        filling_ = false;
        return;
    }
    tally_.removePlayer(row);
    delete tallied_->takeItem(row - 1);
    filling_ = true;
    for (QListWidgetItem* other : checklist_->findItems(name, Qt::MatchExactly))
        other->setCheckState(Qt::Unchecked);
    filling_ = false;
    showRow(tallied_->currentRow() + 1);
    save();
}

void Ttallylist::showOwn() {
    for (int c = 1; c <= 4; ++c)
        mine_[static_cast<std::size_t>(c - 1)]->setText(QString::number(tally_.own().count(c)));
}

void Ttallylist::showRow(int row) {
    const bool valid = row >= 1 && static_cast<std::size_t>(row) < tally_.rows().size();
    const tally::Row empty;
    const tally::Row& shown = valid ? tally_.rows()[static_cast<std::size_t>(row)] : empty;
    for (int c = 1; c <= 8; ++c)
        counts_[static_cast<std::size_t>(c - 1)]->setText(QString::number(shown.count(c)));
    const QString name = valid ? fromStd(shown.name) : QStringLiteral("XX");
    hisname_->setText(tr("%1 Wins:").arg(name));
    // With nobody selected the title asks for a choice instead of naming a placeholder.
    hisnametop_->setText(valid ? tr("%1's Tally").arg(name) : tr("Select a player to tally"));
}

void Ttallylist::resetTally() {
    if (!ask_(tr("Are you sure you want to reset the Tally?"))) return;
    tally_.reset();
    filling_ = true;
    tallied_->clear();
    for (int i = 0; i < checklist_->count(); ++i)
        checklist_->item(i)->setCheckState(Qt::Unchecked);
    filling_ = false;
    showOwn();
    showRow(0);
    save();
}

} // namespace windows

#include "tgamestart.h"

#include "artwork.h"
#include "updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace windows {

using protocol::kSecondsRange;
using protocol::kTargetRange;
using protocol::kTilesRange;

namespace {

QLineEdit* numberField(const QString& name, QWidget* parent, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

QCheckBox* checkBox(const QString& name, const QString& text, QWidget* parent, const QRect& geometry) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    QPalette pal = box->palette();
    pal.setColor(QPalette::WindowText, palette::text);
    box->setPalette(pal);
    return box;
}

} // namespace

Tgamestart::Tgamestart(QWidget* parent)
    : AuxWindow(QStringLiteral("Tgamestart"), tr("Rimbalo - Game Start"), parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(300, 316);

    auto* heading = makeLabel(QStringLiteral("label_heading"), tr("Game Options"), 20, true);
    heading->setGeometry(0, 12, 300, 30);
    heading->setAlignment(Qt::AlignCenter);

    const int labelX = 24, fieldX = 170;
    makeLabel(QStringLiteral("label_playtoscore"), tr("Play to Score:"))->setGeometry(labelX, 58, 140, 22);
    playtoscore_ = numberField(QStringLiteral("edit_playtoscore"), this, QRect(fieldX, 58, 60, 22));
    up1_ = new UpDown(QStringLiteral("UpDown1"), playtoscore_, kTargetRange.low, kTargetRange.high,
                      kTargetRange.step, kTargetRange.initial, this);
    up1_->setGeometry(fieldX + 61, 58, 18, 22);

    makeLabel(QStringLiteral("label_creationtime"), tr("Creation Time:"))->setGeometry(labelX, 88, 140, 22);
    creationtime_ = numberField(QStringLiteral("edit_creationtime"), this, QRect(fieldX, 88, 60, 22));
    up2_ = new UpDown(QStringLiteral("UpDown2"), creationtime_, kSecondsRange.low, kSecondsRange.high,
                      kSecondsRange.step, kSecondsRange.initial, this);
    up2_->setGeometry(fieldX + 61, 88, 18, 22);
    makeLabel(QStringLiteral("label_secs"), tr("secs"))->setGeometry(fieldX + 84, 88, 40, 22);

    makeLabel(QStringLiteral("label_tiles"), tr("Tiles to Start With::"))->setGeometry(labelX, 118, 140, 22);
    tiles_ = numberField(QStringLiteral("edit_tiles"), this, QRect(fieldX, 118, 60, 22));
    up3_ = new UpDown(QStringLiteral("UpDown3"), tiles_, kTilesRange.low, kTilesRange.high, kTilesRange.step,
                      kTilesRange.initial, this);
    up3_->setGeometry(fieldX + 61, 118, 18, 22);

    makeLabel(QStringLiteral("label_opponents"), tr("Computer Opponents:"))
        ->setGeometry(labelX, 148, 140, 22);
    opponents_ = numberField(QStringLiteral("edit_opponents"), this, QRect(fieldX, 148, 60, 22));
    up4_ = new UpDown(QStringLiteral("UpDown4"), opponents_, 0, 3, 1, 0, this);
    up4_->setGeometry(fieldX + 61, 148, 18, 22);
    opponents_->setToolTip(tr("How many empty seats the computer plays (a team game fills all four); "
                              "0 when a friend holds seat 2 and nobody else is wanted"));

    tp_ = checkBox(QStringLiteral("checkbox_tp"), tr("Time Penalty"), this, QRect(labelX, 180, 130, 22));
    tp_->setChecked(true);
    tg_ = checkBox(QStringLiteral("checkbox_tg"), tr("Team Game"), this, QRect(fieldX - 10, 180, 120, 22));
    makeLabel(QStringLiteral("label_level"), tr("Computer Level:"))->setGeometry(labelX, 206, 140, 22);
    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("combo_level"));
    level_->setGeometry(fieldX, 206, 100, 22);
    for (const std::string_view name : protocol::kComputerLevels)
        level_->addItem(levelTitle(name));
    level_->setCurrentIndex(protocol::kClassicLevel);
    level_->setToolTip(tr("How well the computer seats play, from Beginner to Master"));

    auto* startButton = new ImageButton(QStringLiteral("button_start"), tr("Start"), this);
    startButton->setBaseColour(QColor(46, 140, 70));
    startButton->setGlyph(glyphs::playTriangle);
    startButton->setGeometry(95, 250, 110, 36);
    connect(startButton, &QAbstractButton::clicked, this, &Tgamestart::start);

    connect(up4_, &UpDown::changed, this, [this](int count) { chosenOpponents_ = count; });
    setSeatTwoHeld(false);
    const auto changed = [this] { emit optionsChanged(options()); };
    for (UpDown* u : {up1_, up2_, up3_, up4_})
        connect(u, &UpDown::changed, this, changed);
    connect(tp_, &QCheckBox::toggled, this, changed);
    connect(level_, &QComboBox::currentIndexChanged, this, changed);
    // A team game seats the computer in every empty seat: the count has no say there.
    connect(tg_, &QCheckBox::toggled, this, [this](bool team) {
        opponents_->setEnabled(!team);
        up4_->setEnabled(!team);
    });
}

Tgamestart::Options Tgamestart::options() const {
    return {up1_->position(), up2_->position(), up3_->position(),      tp_->isChecked(),
            tg_->isChecked(), up4_->position(), level_->currentIndex()};
}

void Tgamestart::restore(std::optional<int> playtoscore, std::optional<int> creationtime,
                         std::optional<int> tiles, bool timepenalty, std::optional<int> opponents,
                         int level) {
    if (playtoscore) up1_->setPosition(*playtoscore);
    if (opponents && *opponents >= 0 && *opponents <= 3) {
        chosenOpponents_ = *opponents;
        up4_->setPosition(std::max(chosenOpponents_, seatTwoHeld_ ? 0 : 1));
    }
    if (creationtime) up2_->setPosition(*creationtime);
    if (tiles) up3_->setPosition(*tiles);
    {
        const QSignalBlocker quiet(tp_);
        tp_->setChecked(timepenalty);
        const QSignalBlocker quietToo(level_);
        setLevel(level);
    }
    emit optionsChanged(options());
}

void Tgamestart::setSeatTwoHeld(bool held) {
    seatTwoHeld_ = held;
    const int floor = held ? 0 : 1;
    up4_->setMinimum(floor);
    up4_->setPosition(std::max(chosenOpponents_, floor));
    emit optionsChanged(options());
}

void Tgamestart::setLevel(int level) {
    if (level >= 0 && level < level_->count()) level_->setCurrentIndex(level);
}

QString levelTitle(std::string_view name) {
    // The level names as the window shows them; the protocol's names stay lower-case English.
    static const char* const titles[] = {
        QT_TRANSLATE_NOOP("ComputerLevel", "Beginner"), QT_TRANSLATE_NOOP("ComputerLevel", "Classic"),
        QT_TRANSLATE_NOOP("ComputerLevel", "Strong"), QT_TRANSLATE_NOOP("ComputerLevel", "Expert"),
        QT_TRANSLATE_NOOP("ComputerLevel", "Master")};
    QString title = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    if (!title.isEmpty()) title[0] = title[0].toUpper();
    for (const char* known : titles)
        if (title == QLatin1String(known)) return QCoreApplication::translate("ComputerLevel", known);
    return title;
}

void Tgamestart::start() {
    emit startRequested(options());
    hide();
}

} // namespace windows

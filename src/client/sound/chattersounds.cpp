#include "chattersounds.h"

#include "client/net/clientstate.h"
#include "soundcues.h"

#include "protocol/messages.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <array>
#include <charconv>

namespace client {

namespace {

const std::array<const char*, ChatterSounds::kSounds> kCaptions = {
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Doh"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Cough"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Hello"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Thank You"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Where have you been?"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Snoring"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Sneezing"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Sorry"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Welcome"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Yeehaa"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Yippee"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Oh No"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Applause"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Honk"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Oooh"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Razzberry"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Cheer"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Woman Laughing"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Man Laughing"),
    QT_TRANSLATE_NOOP("client::ChatterSounds", "Crying")};

} // namespace

ChatterSounds::ChatterSounds(QWidget* owner, Hooks hooks)
    : QObject(owner), hooks_(std::move(hooks)), menu_(new QMenu(owner)) {
    menu_->setObjectName(QStringLiteral("popup_sounds"));
    for (int tag = 0; tag <= kSounds; ++tag) {
        const QString text = tag == 0 ? tr("<Cancel>") : caption(tag);
        QAction* a = menu_->addAction(text);
        a->setObjectName(tag == 0 ? QStringLiteral("Cancel1") : QStringLiteral("wave%1").arg(tag));
        a->setToolTip(text);
        a->setProperty("Tag", tag);
        connect(a, &QAction::triggered, this, [this, tag] { wave14Click(tag); });
    }
}

QString ChatterSounds::caption(int number) {
    if (number < 1 || number > kSounds) return {};
    return tr(kCaptions[static_cast<std::size_t>(number - 1)]);
}

int ChatterSounds::soundNumber(std::string_view name) {
    constexpr std::string_view prefix = "wave";
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return 0;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.front() == '0') return 0;
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size()) return 0;
    return n >= 1 && n <= kSounds ? n : 0;
}

void ChatterSounds::popup(const QPoint& where) {
    menu_->popup(where);
}

void ChatterSounds::wave14Click(int tag) {
    const ClientState& s = *hooks_.state;
    if (tag < 1 || tag > kSounds || !s.seated() || !s.loggedin) return;
    hooks_.send(protocol::encode(
        protocol::toserver::PlayASound{.slot = s.myslot, .sound = "wave" + std::to_string(tag)}));
}

void ChatterSounds::playasound(const protocol::toclient::PlayASound& m) {
    // Only the menu's own sounds: a name from the network never picks any other clip.
    const int number = soundNumber(m.sound);
    if (number == 0) return;
    if (hooks_.chatterOn()) {
        hooks_.sounds->playClip(QStringLiteral("WAVE%1").arg(number));
        return;
    }
    const QString name = hooks_.nameOf(m.slot);
    if (name.isEmpty()) return;
    hooks_.systemLine(tr("%1: <Chatter Sound> %2").arg(name, caption(number)));
}

} // namespace client

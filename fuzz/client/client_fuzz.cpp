// Feeds arbitrary bytes from the server into a real main window (offscreen): through the connection's
// receive buffer and queue into the dispatcher and the handlers, with the event loop running between
// commands as it does in the program. Besides crashes and sanitizer reports it stops on a handler that
// starts while another one is still running, and on a queue that does not drain.

#include "client/settings/filelocations.h"
#include "client/sound/soundcues.h"
#include "client/window/tchat.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

class Silent : public client::ClipPlayer {
public:
    void play(const QString&) override {}
};

void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static QTemporaryDir dir;
    client::FileLocations::setProgramFolder(dir.path());
    client::FileLocations::setUserFolder(dir.path());
    return 0;
}

// The input is what the server sends, cut into reads: a byte below 8 ends a read there (the byte is
// dropped), so that inputs can split commands across reads as the network does.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    client::Tchat tchat;
    tchat.setPlayerName(QStringLiteral("P1"));
    tchat.findChild<client::SoundCues*>()->setPlayer(std::make_unique<Silent>());
    tchat.connection().setSink([](const std::string&) {});
    int depth = 0;
    tchat.connection().setCommandHandler([&](std::string_view entry) {
        if (++depth > 1) fail("a handler ran inside another one");
        tchat.handleCommand(entry);
        --depth;
    });

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t from = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 8) continue;
        tchat.connection().receive(bytes.substr(from, i - from));
        from = i + 1;
        QCoreApplication::processEvents();
    }
    // One command per event-loop pass: the queue must drain in as many passes as it holds commands.
    for (std::size_t pass = tchat.connection().queued() + 2; pass > 0 && tchat.connection().queued() > 0;
         --pass)
        QCoreApplication::processEvents();
    if (tchat.connection().queued() > 0) fail("the receive queue does not drain");
    return 0;
}

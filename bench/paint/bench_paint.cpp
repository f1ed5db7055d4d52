// Painting costs of the main window: a full repaint of the board paint area with 100 tiles on it, a
// one-cell repaint, the tile in hand following the pointer 5 pixels at a time, a full rack, and one
// tile picture drawn from its outlines or from the image list.
//
//   bench_paint [--benchmark_repetitions=10 --benchmark_report_aggregates_only=true]
//   bench_paint --screenshot=FILE     saves the window as the benchmarks paint it, a tile in hand
//   bench_paint --scale=2             the same with the window grown so that the panel shows at twice
//                                     its base size (factors in tenths: 1, 1.1 ... )
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another (xcb under Xvfb for a real
// X server); QT_SCALE_FACTOR=2 measures at a device pixel ratio of 2.

#include "client/panel/panelscale.h"
#include "client/play/boardview.h"
#include "client/play/tileimages.h"
#include "client/settings/filelocations.h"
#include "client/window/tchat.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int kBoardTiles = 100;
qreal panelFactor = 1; // --scale

// A logged-in main window on its turn, 100 tiles on the board and 20 in the rack, shown and painted.
struct Table {
    QTemporaryDir dir;
    client::Tchat tchat;
    client::BoardView* view = nullptr;
    QWidget* board = nullptr;
    QWidget* rack = nullptr;

    Table() {
        client::FileLocations::setProgramFolder(dir.path());
        client::FileLocations::setUserFolder(dir.path());
        tchat.connection().setSink([](const std::string&) {});
        tchat.setMessageBox([](const QString&) {});
        tchat.setPlayerName(QStringLiteral("Ann"));
        // One argument: the window waits for the lobby's full command line and connects nowhere.
        tchat.setArguments({QStringLiteral("Ann")});
        feed("CMD_sendlogininfo+1");
        feed("CMD_newplayerinfo+1+Ann+0");
        feed("CMD_newplayerinfo+2+Bob+0");
        feed("CMD_nextplayer+1+70+1+0+14+2+0+14+3+0+0+4+0+0");
        // Runs of four along the rows, one empty cell between them.
        std::string items = "CMD_loadboard+1";
        int laid = 0;
        for (int r = 1; r <= 12 && laid < kBoardTiles; ++r)
            for (int c = 1; c <= 22 && laid < kBoardTiles; ++c)
                if (c % 5 != 0) {
                    items += "+" + std::to_string(c) + "+" + std::to_string(r) + "+" +
                             std::to_string(laid % 53 + 1);
                    ++laid;
                }
        feed(items);
        std::string rackItems = "CMD_yourtiles+1";
        for (int cell = 1; cell <= 20; ++cell)
            rackItems += "+" + std::to_string(cell) + "," + std::to_string(cell * 2);
        feed(rackItems);
        // The frames of the last move summary.
        feed("CMD_movedtiles+2+25+5+1+1+1+2+1+2+3+1+3");
        view = tchat.findChild<client::BoardView*>();
        board = tchat.findChild<QWidget*>(QStringLiteral("board"));
        rack = tchat.findChild<QWidget*>(QStringLiteral("rackstrip"));
        tchat.show();
        settle();
        if (panelFactor != 1) {
            const QWidget* host = tchat.findChild<QWidget*>(QStringLiteral("clientarea"));
            const QSize frame = tchat.size() - host->size(); // the menu bar
            tchat.resize(
                QSize(client::scale::px(750, panelFactor) + 15, client::scale::px(520, panelFactor) + 12) +
                frame);
            settle();
        }
    }
    ~Table() {
        client::FileLocations::setProgramFolder({});
        client::FileLocations::setUserFolder({});
    }
    void feed(const std::string& entry) { tchat.handleCommand(entry); }
    // Paints whatever is due, now.
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
};

// Made on first use, gone before the application object.
std::unique_ptr<Table> theTable;

Table& table() {
    if (!theTable) theTable = std::make_unique<Table>();
    return *theTable;
}

void BoardFullRepaint(benchmark::State& state) {
    Table& t = table();
    for (auto _ : state)
        t.board->repaint();
}
BENCHMARK(BoardFullRepaint)->Unit(benchmark::kMicrosecond);

// Cell (7, 3) holds a tile.
void BoardOneCellRepaint(benchmark::State& state) {
    Table& t = table();
    const QRect cell = t.view->cellRect(7, 3);
    for (auto _ : state)
        t.board->repaint(cell);
}
BENCHMARK(BoardOneCellRepaint)->Unit(benchmark::kMicrosecond);

// A tile lifted off the board follows the pointer 5 pixels per move along the row `y` of the paint
// area's coordinates (past its bottom: over the panel beneath the board); each move is painted before
// the next.
void moveHeldTile(benchmark::State& state, int y) {
    Table& t = table();
    t.view->boardMouseDown(Qt::LeftButton, t.view->cellRect(7, 3).center()); // lift (7, 3)
    Table::settle();
    int x = 40;
    int step = 5;
    for (auto _ : state) {
        x += step;
        if (x > 400 || x < 40) step = -step;
        const QPointF at = QPointF(x, y) * panelFactor;
        QMouseEvent move(QEvent::MouseMove, at, t.board->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(t.board, &move);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
    t.view->putBack();
    Table::settle();
}

void HeldTileMove(benchmark::State& state) {
    moveHeldTile(state, 100);
}
BENCHMARK(HeldTileMove)->Unit(benchmark::kMicrosecond);

void HeldTileMoveOverPanel(benchmark::State& state) {
    moveHeldTile(state, 385);
}
BENCHMARK(HeldTileMoveOverPanel)->Unit(benchmark::kMicrosecond);

void RackFullRepaint(benchmark::State& state) {
    Table& t = table();
    for (auto _ : state)
        t.rack->repaint();
}
BENCHMARK(RackFullRepaint)->Unit(benchmark::kMicrosecond);

// One small tile picture onto an opaque surface at a device pixel ratio of range(0): painted from its
// outlines, or through the tile pictures' drawing entry point.
QImage surface(qreal dpr) {
    QImage image(qRound(100 * dpr), qRound(100 * dpr), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(QColor(58, 95, 57));
    return image;
}

void TileFromOutlines(benchmark::State& state) {
    QImage image = surface(static_cast<qreal>(state.range(0)));
    QPainter p(&image);
    int code = 0;
    for (auto _ : state)
        client::TileImages::paintTile(p, QRectF(40, 40, 20, 30), code++ % 53 + 1);
}
BENCHMARK(TileFromOutlines)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void TileFromImageList(benchmark::State& state) {
    QImage image = surface(static_cast<qreal>(state.range(0)));
    const client::TileImages tiles;
    QPainter p(&image);
    int code = 0;
    for (auto _ : state)
        tiles.drawSmall(p, QRectF(40, 40, 20, 30), code++ % 53 + 1);
}
BENCHMARK(TileFromImageList)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The window with the tile of cell (7, 3) in hand over cell (10, 8), as the screen shows it.
int screenshot(const QString& file) {
    Table& t = table();
    t.view->boardMouseDown(Qt::LeftButton, t.view->cellRect(7, 3).center());
    const QPointF at(t.view->cellRect(10, 8).topLeft() + QPoint(4, 4));
    QMouseEvent move(QEvent::MouseMove, at, t.board->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(t.board, &move);
    Table::settle();
    const bool saved = t.tchat.grab().save(file);
    theTable.reset();
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const QString& arg : QCoreApplication::arguments()) {
        if (!arg.startsWith(QLatin1String("--scale="))) continue;
        bool ok = false;
        panelFactor = arg.section(QLatin1Char('='), 1).toDouble(&ok);
        if (!ok || panelFactor < 1 || panelFactor > 4) {
            fprintf(stderr, "--scale takes a factor from 1 to 4\n");
            return 2;
        }
    }
    for (const QString& arg : QCoreApplication::arguments())
        if (arg.startsWith(QLatin1String("--screenshot=")))
            return screenshot(arg.section(QLatin1Char('='), 1));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theTable.reset();
    return 0;
}

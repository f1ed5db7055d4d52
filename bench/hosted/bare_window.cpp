// The yardstick of the start-up benchmark: a bare 775 x 580 main window and nothing else. It ends
// on SIGTERM like any Qt program killed by the benchmark.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Rimbalo"));
    window.setGeometry(3, 3, 775, 580);
    window.show();
    return QApplication::exec();
}

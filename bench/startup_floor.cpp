// The start-up floor: the least a Qt main window like Orvanel's needs - a menu bar, an MDI
// area, a label and a button - sized to the whole available screen and shown the same way.
// scripts/benchmark times its start beside Orvanel's.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Start-up floor"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    auto* central = new QWidget(&window);
    auto* column = new QVBoxLayout(central);
    column->addWidget(new QLabel(QStringLiteral("Welcome"), central));
    column->addWidget(new QPushButton(QStringLiteral("&Exit"), central));
    column->addWidget(new QMdiArea(central), 1);
    window.setCentralWidget(central);
    const QScreen* screen = window.screen();
    window.resize(screen ? screen->availableGeometry().size() : QSize(1024, 768));
    window.showMaximized();
    return app.exec();
}

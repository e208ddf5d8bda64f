// ovalis-table: the metadata of many files in one editable table.

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTextStream>

#include "table/TableWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ovalis-table"));
    QApplication::setApplicationVersion(QStringLiteral(OVALIS_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("ovalis-table"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QObject::tr("The metadata of many WAVE files in one table."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption quitWhenLoaded(
        QStringLiteral("quit-when-loaded"),
        QObject::tr("Quit once the files are listed, saying how many and how long it took."));
    parser.addOption(quitWhenLoaded);
    parser.addPositionalArgument(QStringLiteral("paths"), QObject::tr("Files and folders to list."),
                                 QStringLiteral("[FOLDER|FILE...]"));
    parser.process(app);

    TableWindow window;
    QElapsedTimer timer;
    timer.start();
    if (parser.isSet(quitWhenLoaded)) {
        QObject::connect(&window, &TableWindow::LoadFinished, &app, [&] {
            QTextStream(stdout) << window.Model().rowCount() << " files listed in "
                                << timer.elapsed() << " ms\n";
            QApplication::quit();
        });
    }
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        window.Open(parser.positionalArguments());
    } else if (parser.isSet(quitWhenLoaded)) {
        return 0;
    }
    return QApplication::exec();
}

#include "table/TableHelp.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

void AddKeys(const QMenu& menu, QStringList& rLines) {
    for (const QAction* pAction : menu.actions()) {
        if (pAction->menu()) {
            AddKeys(*pAction->menu(), rLines);
        } else if (!pAction->shortcut().isEmpty()) {
            rLines << pAction->shortcut().toString(QKeySequence::NativeText) + ": " +
                          pAction->text().remove('&').remove(QStringLiteral("..."));
        }
    }
}

}  // namespace

QString KeysText(const QMenuBar& menuBar) {
    QStringList lines;
    for (const QAction* pAction : menuBar.actions()) {
        if (pAction->menu()) {
            AddKeys(*pAction->menu(), lines);
        }
    }
    lines << QObject::tr("F2 or typing: edit the current cell")
          << QObject::tr("Arrows, Page Up, Page Down, Home, End: move between cells")
          << QObject::tr("Shift with a move: select cells; Ctrl+A: select all");
    return lines.join('\n');
}

QString TableAboutText() {
    return QObject::tr(
               "Ovalis Table %1\n"
               "The metadata of many RIFF WAVE and Broadcast Wave files in one table.\n\n"
               "Licence: MIT. The full text is in /usr/share/doc/ovalis/copyright.\n\n"
               "Manual: man ovalis-table; the chunk pages of one file are in ovalis "
               "(Edit > Open in Ovalis).")
        .arg(QCoreApplication::applicationVersion());
}

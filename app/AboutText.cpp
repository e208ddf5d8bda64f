#include "app/AboutText.h"

#include <gnu/libc-version.h>

#include <QString>
#include <QtGlobal>

#include "player/PlayerRequirements.h"

namespace {

QString GStreamerLine() {
    const QString version = GStreamerVersion();
    return version.isEmpty() ? QStringLiteral("GStreamer: not found, so the player is off")
                             : version;
}

}  // namespace

CString AboutText() {
    const QString text =
        QStringLiteral(
            "Ovalis %1\n"
            "A viewer and editor for RIFF WAVE and Broadcast Wave files.\n\n"
            "Licence: MIT. The full text is in /usr/share/doc/ovalis/copyright.\n\n"
            "Libraries:\n"
            "Qt %2 (Widgets, Multimedia; built with %3)\n"
            "%4\n"
            "GNU C Library %5\n\n"
            "Keys:\n"
            "Ctrl+O: open a file\n"
            "Ctrl+S: save the edits over the open file\n"
            "Ctrl+Shift+S: save under another name\n"
            "Ctrl+W: close the file\n"
            "Ctrl+Q, Escape, Enter: leave the program\n"
            "F1: this box\n\n"
            "Manual: man ovalis, and man ovalis-cli for the command-line companion.\n"
            "Many files at once: ovalis-table lists them in one table to edit, check and save "
            "together (man ovalis-table).")
            .arg(QLatin1String(kOvalisVersion), QLatin1String(qVersion()),
                 QLatin1String(QT_VERSION_STR), GStreamerLine(),
                 QLatin1String(gnu_get_libc_version()));
    return text.toStdString();
}

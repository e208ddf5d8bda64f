#include "cli/Toolkit.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "cli/Diagnostics.h"
#include "framework/DialogTemplate.h"
#include "framework/MessageBox.h"

namespace {

// Qt's own notes (fonts, the offscreen platform) are not the user's business.
void DropQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << "ovalis-cli: " + message.toStdString() + "\n";
    }
}

}  // namespace

CToolkit::CToolkit() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(DropQtMessage);
    m_pApp = std::make_unique<QApplication>(m_nArgc, m_argv);
    SetMessageBoxHook([](const CString& strText, UINT) {
        RecordMessage(strText);
        return IDOK;
    });
}

CToolkit::~CToolkit() {
    SetMessageBoxHook({});
}

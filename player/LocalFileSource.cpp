#include "player/LocalFileSource.h"

#include <fcntl.h>
#include <unistd.h>

#include <QString>
#include <filesystem>

namespace {

bool IsValidUtf8(const CString& strPath) {
    return QString::fromStdString(strPath).toStdString() == strPath;
}

}  // namespace

LocalFileSource::~LocalFileSource() {
    Close();
}

QUrl LocalFileSource::Open(const CString& strPath) {
    Close();
    if (IsValidUtf8(strPath)) {
        return QUrl::fromLocalFile(QString::fromStdString(std::filesystem::absolute(strPath)));
    }
    m_nHandle = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_nHandle < 0) {
        return QUrl();
    }
    return QUrl::fromLocalFile(QStringLiteral("/proc/self/fd/%1").arg(m_nHandle));
}

void LocalFileSource::Close() {
    if (m_nHandle >= 0) {
        ::close(m_nHandle);
        m_nHandle = -1;
    }
}

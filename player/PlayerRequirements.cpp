#include "player/PlayerRequirements.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Qt's backend on this platform unless the environment names another one.
constexpr const char* kDefaultBackend = "gstreamer";
constexpr const char* kGStreamerLibrary = "libgstreamer-1.0.so.0";

// What the backend's player and audio output make, and the WAVE parser itself.
constexpr const char* kElements[] = {
    "uridecodebin",  "decodebin",  "audioconvert", "audioresample", "volume",
    "autoaudiosink", "queue",      "identity",     "capsfilter",    "input-selector",
    "videoconvert",  "videoscale", "wavparse",
};

// GStreamer is loaded by name, as Qt's backend loads it: a program linked to it would not start
// at all where it is missing.
class GStreamer {
public:
    GStreamer() : m_pLibrary(dlopen(kGStreamerLibrary, RTLD_NOW | RTLD_GLOBAL)) {
        if (!m_pLibrary) {
            return;
        }
        m_pInitCheck = reinterpret_cast<InitCheck>(dlsym(m_pLibrary, "gst_init_check"));
        m_pFind = reinterpret_cast<Find>(dlsym(m_pLibrary, "gst_element_factory_find"));
        m_pUnref = reinterpret_cast<Unref>(dlsym(m_pLibrary, "gst_object_unref"));
        m_pVersion = reinterpret_cast<VersionString>(dlsym(m_pLibrary, "gst_version_string"));
        m_pFree = reinterpret_cast<Free>(dlsym(m_pLibrary, "g_free"));
        m_bReady = m_pInitCheck && m_pFind && m_pUnref && m_pVersion && m_pFree &&
                   m_pInitCheck(nullptr, nullptr, nullptr);
    }
    GStreamer(const GStreamer&) = delete;
    GStreamer& operator=(const GStreamer&) = delete;

    bool IsReady() const { return m_bReady; }
    bool HasElement(const char* pName) const {
        void* pFactory = m_pFind(pName);
        if (pFactory) {
            m_pUnref(pFactory);
        }
        return pFactory != nullptr;
    }
    QString Version() const {
        char* pText = m_pVersion();
        const QString version = QString::fromUtf8(pText);
        m_pFree(pText);
        return version;
    }

private:
    using InitCheck = int (*)(int*, char***, void**);
    using Find = void* (*)(const char*);
    using Unref = void (*)(void*);
    using VersionString = char* (*)();
    using Free = void (*)(void*);

    void* m_pLibrary;
    InitCheck m_pInitCheck = nullptr;
    Find m_pFind = nullptr;
    Unref m_pUnref = nullptr;
    VersionString m_pVersion = nullptr;
    Free m_pFree = nullptr;
    bool m_bReady = false;
};

const GStreamer& TheGStreamer() {
    static const GStreamer gstreamer;
    return gstreamer;
}

QString BackendName() {
    const QString name = qEnvironmentVariable("QT_MEDIA_BACKEND");
    return name.isEmpty() ? QString::fromLatin1(kDefaultBackend) : name;
}

bool HasBackendPlugin(const QString& backend) {
    const QString file = QStringLiteral("multimedia/lib%1mediaplugin.so").arg(backend);
    for (const QString& path : QCoreApplication::libraryPaths()) {
        if (QFileInfo(QDir(path).filePath(file)).isFile()) {
            return true;
        }
    }
    return false;
}

QStringList MissingGStreamerParts() {
    const GStreamer& gstreamer = TheGStreamer();
    if (!gstreamer.IsReady()) {
        return {QStringLiteral("the GStreamer library")};
    }
    QStringList missing;
    for (const char* pElement : kElements) {
        if (!gstreamer.HasElement(pElement)) {
            missing += QStringLiteral("the GStreamer element %1").arg(QLatin1String(pElement));
        }
    }
    return missing;
}

QStringList FindMissingParts() {
    const QString backend = BackendName();
    if (!HasBackendPlugin(backend)) {
        return {QStringLiteral("the multimedia backend %1").arg(backend)};
    }
    return backend == QLatin1String(kDefaultBackend) ? MissingGStreamerParts() : QStringList();
}

}  // namespace

QStringList MissingPlayerParts() {
    static const QStringList missing = FindMissingParts();
    return missing;
}

QString GStreamerVersion() {
    const GStreamer& gstreamer = TheGStreamer();
    return gstreamer.IsReady() ? gstreamer.Version() : QString();
}

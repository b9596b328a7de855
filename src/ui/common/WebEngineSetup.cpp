#include "ui/common/WebEngineSetup.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <unistd.h>

void PrepareWebEngine() {
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

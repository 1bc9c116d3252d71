#include "windows/desktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace ignivar::windows {

void open_with_desktop(const QUrl& url, std::function<void()> on_failure) {
    const QString xdg_open = QStandardPaths::findExecutable("xdg-open");
    if (xdg_open.isEmpty()) {
        // Qt's own way (a portal, or the desktop's services) is all there is.
        if (!QDesktopServices::openUrl(url) && on_failure) on_failure();
        return;
    }
    // xdg-open says by its exit status whether a program took the file.
    auto* p = new QProcess;
    p->setProgram(xdg_open);
    p->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString()});
    QObject::connect(p, &QProcess::finished, p, [p, on_failure](int code, QProcess::ExitStatus status) {
        if ((code != 0 || status != QProcess::NormalExit) && on_failure) on_failure();
        p->deleteLater();
    });
    QObject::connect(p, &QProcess::errorOccurred, p, [p, on_failure](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        if (on_failure) on_failure();
        p->deleteLater();
    });
    p->start();
}

}  // namespace ignivar::windows

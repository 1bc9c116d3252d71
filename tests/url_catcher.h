// Stands in for the desktop in tests: receives the files a window asks it
// to open, while registered as the handler of file: addresses.
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace ignivar::test {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("file"); }

    QStringList opened;

public slots:
    void open(const QUrl& url) { opened << url.toLocalFile(); }
};

}  // namespace ignivar::test

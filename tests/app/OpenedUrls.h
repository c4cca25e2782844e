#pragma once

#include "core/WebPages.h"

#include <QList>
#include <QUrl>

// Catches the web pages the application opens instead of starting a browser.
class OpenedUrls {
public:
    OpenedUrls()
    {
        setUrlOpener([this](const QUrl& url) {
            urls.append(url);
            return true;
        });
    }
    ~OpenedUrls() { setUrlOpener({}); }
    OpenedUrls(const OpenedUrls&) = delete;
    OpenedUrls& operator=(const OpenedUrls&) = delete;

    QList<QUrl> urls;
};

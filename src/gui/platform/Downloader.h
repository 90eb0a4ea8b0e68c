#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QWidget;

namespace tav::gui {

struct DownloadRequest
{
    QUrl url;
    QString file;  // replaced only by a verified, complete download; empty: kept in memory only
    QString label; // what the progress window names
    qint64 maxBytes = 0;
    // Looks at the whole content before it replaces the file; returns why it is refused,
    // or the empty text.
    std::function<QString(const QByteArray&)> check;
};

enum class DownloadOutcome
{
    Done,
    Failed,
    Cancelled, // by the user
};

struct DownloadResult
{
    DownloadOutcome outcome = DownloadOutcome::Failed;
    QString reason;     // why it failed
    int status = 0;     // the site's HTTP answer after the redirects; 0 when none came
    QByteArray content; // the whole body, when the request has a check or no file

    bool Done() const { return outcome == DownloadOutcome::Done; }
};

// Fetches one file over http or https into a local file, with a progress window that
// can cancel it; the window stays responsive meanwhile.
class IDownloader
{
public:
    virtual ~IDownloader() = default;
    virtual DownloadResult Download(QWidget* parent, const DownloadRequest& request) = 0;
};

// A download counts only with no network error, HTTP 200 after the redirects (only to http
// or https, never from https to http), an uncompressed body whose end the site marked (every
// byte a Content-Length announced, or a chunked body to its last chunk), no more than the
// cap, not empty and accepted by the request's check; anything else leaves the file as it was.
class QtDownloader : public IDownloader
{
public:
    // Gives up when no data arrives for this long.
    explicit QtDownloader(int inactivityMs = 30000);
    ~QtDownloader() override;

    DownloadResult Download(QWidget* parent, const DownloadRequest& request) override;

private:
    int inactivityMs_;
    std::unique_ptr<QNetworkAccessManager> manager_;
};

} // namespace tav::gui

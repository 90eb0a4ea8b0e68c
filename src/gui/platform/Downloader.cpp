#include "gui/platform/Downloader.h"

#include "gui/app/Guard.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QProgressDialog>
#include <QSaveFile>

namespace tav::gui {

namespace {

DownloadResult Failure(const QString& reason)
{
    return {DownloadOutcome::Failed, reason};
}

// Progress counts in kilobytes, so sizes beyond an int of bytes still fit.
int Kilobytes(qint64 bytes)
{
    return static_cast<int>(qMin<qint64>(bytes / 1024, INT_MAX));
}

} // namespace

QtDownloader::QtDownloader(int inactivityMs) : inactivityMs_(inactivityMs) {}

QtDownloader::~QtDownloader() = default;

DownloadResult QtDownloader::Download(QWidget* parent, const DownloadRequest& request)
{
    const QString scheme = request.url.scheme().toLower();
    if (!request.url.isValid() || (scheme != "http" && scheme != "https") || request.url.host().isEmpty())
        return Failure("\"" + request.url.toString() + "\" is not a web address");

    QSaveFile out(request.file);
    if (!out.open(QIODevice::WriteOnly))
        return Failure("Cannot write \"" + request.file + "\": " + out.errorString());

    if (!manager_)
        manager_ = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest net(request.url);
    // Identity encoding, so the bytes counted against Content-Length are the file's.
    net.setRawHeader("Accept-Encoding", "identity");
    net.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    net.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    net.setTransferTimeout(inactivityMs_);

    HourglassCursor busy;
    QNetworkReply* reply = manager_->get(net);
    const std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> owner(reply, [](QNetworkReply* r) {
        r->disconnect();
        if (!r->isFinished())
            r->abort();
        r->deleteLater();
    });

    QProgressDialog progress(parent);
    progress.setObjectName("dlgDownload");
    progress.setWindowTitle(QStringLiteral("Downloading"));
    progress.setLabelText("Downloading " + request.label + "...");
    progress.setCancelButtonText(QStringLiteral("&Cancel"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(400);
    progress.setRange(0, 0);
    progress.setValue(0);

    // Qt stops a stalled transfer and a cancelled one with the same error code.
    bool cancelled = false;
    QString failure;
    QByteArray content;
    qint64 received = 0;

    const auto stop = [&](const QString& why) {
        if (failure.isEmpty() && !cancelled)
            failure = why;
        if (!reply->isFinished())
            reply->abort();
    };
    const auto drain = [&] {
        if (!failure.isEmpty() || cancelled || !reply->isOpen())
            return;
        const QByteArray chunk = reply->readAll();
        if (chunk.isEmpty())
            return;
        received += chunk.size();
        if (request.maxBytes > 0 && received > request.maxBytes) {
            stop(QStringLiteral("the file is larger than %1 bytes").arg(request.maxBytes));
            return;
        }
        if (out.write(chunk) != chunk.size()) {
            stop("Cannot write \"" + request.file + "\": " + out.errorString());
            return;
        }
        if (request.check)
            content += chunk;
    };

    QObject::connect(&progress, &QProgressDialog::canceled, reply, [&] {
        if (failure.isEmpty())
            cancelled = true;
        if (!reply->isFinished())
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (status == 200 && length.isValid() && request.maxBytes > 0 && length.toLongLong() > request.maxBytes)
            stop(QStringLiteral("the file is larger than %1 bytes").arg(request.maxBytes));
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, drain);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 got, qint64 total) {
        if (total > 0 && progress.maximum() != Kilobytes(total))
            progress.setRange(0, Kilobytes(total));
        if (total > 0)
            progress.setValue(Kilobytes(got));
    });

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    drain();
    progress.hide();

    if (cancelled)
        return {DownloadOutcome::Cancelled, QStringLiteral("cancelled")};
    if (!failure.isEmpty())
        return Failure(failure);
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return Failure(QStringLiteral("no data arrived for %1 seconds").arg(inactivityMs_ / 1000.0));
    if (reply->error() != QNetworkReply::NoError)
        return Failure(reply->errorString());
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 200)
        return Failure(QStringLiteral("the server answered %1 %2")
                           .arg(status)
                           .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != received)
        return Failure(QStringLiteral("%1 of %2 bytes arrived").arg(received).arg(length.toLongLong()));
    if (received == 0)
        return Failure(QStringLiteral("the file is empty"));
    if (request.check) {
        const QString refused = request.check(content);
        if (!refused.isEmpty())
            return Failure(refused);
    }
    if (!out.commit())
        return Failure("Cannot write \"" + request.file + "\": " + out.errorString());
    return {DownloadOutcome::Done, {}};
}

} // namespace tav::gui

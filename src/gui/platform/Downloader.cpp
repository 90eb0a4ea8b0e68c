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
    return {DownloadOutcome::Failed, reason, 0, {}};
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

    const bool toFile = !request.file.isEmpty();
    QSaveFile out(toFile ? request.file : QStringLiteral("unused"));
    if (toFile && !out.open(QIODevice::WriteOnly))
        return Failure("Cannot write \"" + request.file + "\": " + out.errorString());

    if (!manager_)
        manager_ = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest net(request.url);
    // Identity encoding, so the bytes counted against Content-Length are the file's.
    net.setRawHeader("Accept-Encoding", "identity");
    net.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    net.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // HTTP/1.1 only, whose length and chunk framing is what tells a whole body from a cut one.
    net.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
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
    const bool keepContent = request.check || !toFile;
    const auto status = [&] { return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); };

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
        if (toFile && out.write(chunk) != chunk.size()) {
            stop("Cannot write \"" + request.file + "\": " + out.errorString());
            return;
        }
        if (keepContent)
            content += chunk;
    };

    QObject::connect(&progress, &QProgressDialog::canceled, reply, [&] {
        if (failure.isEmpty())
            cancelled = true;
        if (!reply->isFinished())
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        if (status() != 200)
            return;
        // Asked for identity, a site that compresses all the same sends bytes that are not the file.
        const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
        if (!encoding.isEmpty() && encoding != "identity")
            stop(QStringLiteral("the site sent a compressed reply, which is not accepted"));
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && request.maxBytes > 0 && length.toLongLong() > request.maxBytes)
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

    const int answered = status();
    const auto fail = [&](const QString& reason) {
        return DownloadResult{DownloadOutcome::Failed, reason, answered, {}};
    };
    if (cancelled)
        return {DownloadOutcome::Cancelled, QStringLiteral("cancelled"), answered, {}};
    if (!failure.isEmpty())
        return fail(failure);
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool chunked = reply->rawHeader("Transfer-Encoding").toLower().contains("chunked");
    const QString shortBy = QStringLiteral("%1 of %2 bytes arrived").arg(received).arg(length.toLongLong());
    switch (reply->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::RemoteHostClosedError:
        if (answered == 200 && chunked)
            return fail(QStringLiteral("the connection closed before the end of the file"));
        if (answered == 200 && length.isValid())
            return fail(shortBy);
        return fail(reply->errorString());
    case QNetworkReply::OperationCanceledError:
        return fail(QStringLiteral("no data arrived for %1 seconds").arg(inactivityMs_ / 1000.0));
    // The address asked for is http or https, so an unknown protocol can only come from a redirect.
    case QNetworkReply::ProtocolUnknownError:
        return fail(QStringLiteral("the site redirected to an address that is not http or https"));
    case QNetworkReply::InsecureRedirectError:
        return fail(QStringLiteral("the site redirected from https to an address that is not secure"));
    default:
        return fail(reply->errorString());
    }
    if (answered != 200)
        return fail(QStringLiteral("the server answered %1 %2")
                        .arg(answered)
                        .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    if (length.isValid() && !chunked && length.toLongLong() != received)
        return fail(shortBy);
    // Without a length or chunks the body ends where the connection closes, cut short or not.
    if (!length.isValid() && !chunked)
        return fail(QStringLiteral("the site did not say how long the file is, so a transfer cut short "
                                   "could not be told from a whole one"));
    if (received == 0)
        return fail(QStringLiteral("the file is empty"));
    if (request.check) {
        const QString refused = request.check(content);
        if (!refused.isEmpty())
            return fail(refused);
    }
    if (toFile && !out.commit())
        return fail("Cannot write \"" + request.file + "\": " + out.errorString());
    return {DownloadOutcome::Done, {}, answered, keepContent ? content : QByteArray()};
}

} // namespace tav::gui

#include "gui/wizard/ObsoleteNotice.h"

#include "core/wizard/Obsolete.h"
#include "gui/app/Guard.h"
#include "gui/app/TextCodec.h"

#include <QStringList>

namespace tav::gui {

namespace {

const QStringList& NoticeLines()
{
    static const QStringList lines{
        QStringLiteral("Please note that the part you are about to select is obsolete."),
        QStringLiteral("You can still select this part if you wish, but we recommend"),
        QStringLiteral("the following replacement part instead:"),
    };
    return lines;
}

} // namespace

BoxRequest ObsoleteNoticeRequest(const QString& replacementText, BoxButton defaultResult)
{
    BoxRequest r;
    r.kind = BoxKind::Warning;
    r.caption = QStringLiteral("Obsolete Part Notification");
    r.text = NoticeLines().join(QLatin1Char('\n')) + QLatin1Char('\n') + replacementText;
    QStringList escaped;
    for (const QString& line : NoticeLines())
        escaped << line.toHtmlEscaped();
    r.richText = escaped.join(QStringLiteral("<br>")) +
                 QStringLiteral("<p style=\"color:#0000ff; font-size:10pt; font-weight:bold;\">") +
                 replacementText.toHtmlEscaped() + QStringLiteral("</p>");
    r.buttons = {{kChangeToNewPart, QStringLiteral("Change To &New Part Number")},
                 {kKeepCurrentPart, QStringLiteral("Keep &Current Selection")}};
    r.defaultButton = defaultResult;
    // As No in a Yes/No box: Esc and closing the window keep the current part.
    r.escapeButton = kKeepCurrentPart;
    r.checkBoxText = QStringLiteral("Don't tell me about obsolete parts anymore.");
    r.minimumButtonWidth = 165;
    return r;
}

BoxButton ShowObsoleteNotice(Platform& platform, QWidget* parent, const std::string& dataFolder,
                             const QString& replacementText, BoxButton defaultResult)
{
    platform.sounds.Information();
    const BoxAnswer answer = platform.boxes.Show(parent, ObsoleteNoticeRequest(replacementText, defaultResult));
    if (answer.checked) {
        // A settings file that cannot be written is reported, but the user's choice of
        // part still stands.
        RunGuarded(platform.boxes, parent, [&] { StopObsoleteWarnings(dataFolder); });
    }
    return answer.button;
}

std::string OfferReplacement(Platform& platform, QWidget* parent, const std::string& dataFolder,
                             const LineList& obsolete, std::string_view part)
{
    return tav::OfferReplacement(dataFolder, obsolete, part, [&](const std::string& text) {
        return ShowObsoleteNotice(platform, parent, dataFolder, FromData(text)) == kChangeToNewPart;
    });
}

} // namespace tav::gui

#include "gui/services/TfrmNews.h"

#include "gui/app/ImageLoader.h"
#include "gui/app/Placement.h"
#include "gui/app/TImage.h"
#include "gui/app/TextCodec.h"
#include "gui/services/Reminders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tav::gui {

HeadlineMemo::HeadlineMemo(const QString& objectName, const QColor& colour, bool bold, bool underline, QWidget* parent)
    : QPlainTextEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(true);
    viewport()->setCursor(Qt::PointingHandCursor);
    QFont arial("Arial");
    arial.setBold(bold);
    arial.setUnderline(underline);
    setFont(arial);
    QPalette text = palette();
    text.setColor(QPalette::Text, colour);
    setPalette(text);
}

int HeadlineMemo::LineAt(const QPoint& point) const
{
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF area = blockBoundingGeometry(block).translated(contentOffset());
        if (area.top() > point.y())
            break;
        if (area.contains(QPointF(area.left(), point.y())))
            return block.blockNumber();
    }
    return -1;
}

void HeadlineMemo::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int line = LineAt(event->position().toPoint());
    if (line >= 0)
        emit lineClicked(line);
}

TfrmNews::TfrmNews(Platform& platform, const QString& imagesFolder, QWidget* parent)
    : QDialog(parent), platform_(platform)
{
    setObjectName("frmNews");
    setWindowTitle("Brimcor News Headlines");
    setSizeGripEnabled(true);

    lblSpotlight = new QLabel("Spotlight:", this);
    lblSpotlight->setObjectName("lblSpotlight");
    lblSpotlight->setStyleSheet("color: red; font-weight: bold;");
    Image1 = new TImage("Image1", this);
    ImageLoader(platform_, this, imagesFolder).LoadImage(Image1, "news.gif", false);

    memSpotlight = new HeadlineMemo("memSpotlight", Qt::red, true, false, this);
    memSpotlight->setMaximumHeight(memSpotlight->fontMetrics().lineSpacing() * 3 + 12);

    lblPressReleases = new QLabel("Latest press releases (Click a headline to view the full story):", this);
    lblPressReleases->setObjectName("lblPressReleases");
    memNews = new HeadlineMemo("memNews", Qt::blue, false, true, this);
    memNews->setLineWrapMode(QPlainTextEdit::NoWrap);
    memNews->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    chkDisplayAgain = new QCheckBox("Display news headlines again in", this);
    chkDisplayAgain->setObjectName("chkDisplayAgain");
    chkDisplayAgain->setChecked(true);
    cboNumDays = MakeDaysCombo(this, "7");
    lblDays = new QLabel("days", this);
    lblDays->setObjectName("lblDays");
    btnClose = new QPushButton("&Close", this);
    btnClose->setObjectName("btnClose");
    btnClose->setDefault(true);

    auto* spotlight = new QHBoxLayout;
    spotlight->addWidget(Image1, 0, Qt::AlignTop);
    auto* spotlightText = new QVBoxLayout;
    spotlightText->addWidget(lblSpotlight);
    spotlightText->addWidget(memSpotlight);
    spotlight->addLayout(spotlightText, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkDisplayAgain);
    bottom->addWidget(cboNumDays);
    bottom->addWidget(lblDays);
    bottom->addStretch();
    bottom->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(spotlight);
    layout->addWidget(lblPressReleases);
    layout->addWidget(memNews, 1);
    layout->addLayout(bottom);
    resize(619, 361);

    connect(memSpotlight, &HeadlineMemo::lineClicked, this, &TfrmNews::memSpotlightClick);
    connect(memNews, &HeadlineMemo::lineClicked, this, &TfrmNews::memNewsClick);
    connect(chkDisplayAgain, &QCheckBox::toggled, this, &TfrmNews::chkDisplayAgainClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmNews::accept);
}

void TfrmNews::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

void TfrmNews::ShowHeadlines(std::vector<Headline> headlines)
{
    headlines_ = std::move(headlines);
    // The pages are the network's text: shown as plain text, never interpreted.
    memSpotlight->setPlainText(headlines_.empty() ? QString() : FromData(headlines_.front().text));
    QStringList lines;
    for (size_t i = 1; i < headlines_.size(); ++i)
        lines << FromData(headlines_[i].text);
    memNews->setPlainText(lines.join('\n'));
}

void TfrmNews::ShowInterval(const QString& days)
{
    cboNumDays->setCurrentText(days);
}

QString TfrmNews::IntervalText() const
{
    return cboNumDays->currentText();
}

bool TfrmNews::DisplayAgain() const
{
    return chkDisplayAgain->isChecked();
}

void TfrmNews::memSpotlightClick()
{
    OpenStory(0);
}

void TfrmNews::memNewsClick(int line)
{
    if (line >= 0)
        OpenStory(static_cast<size_t>(line) + 1);
}

void TfrmNews::chkDisplayAgainClick()
{
    cboNumDays->setEnabled(chkDisplayAgain->isChecked());
}

void TfrmNews::OpenStory(size_t index)
{
    if (index >= headlines_.size())
        return;
    const QUrl url(FromData(headlines_[index].address));
    const QString scheme = url.scheme().toLower();
    if (url.isValid() && (scheme == "http" || scheme == "https") && !url.host().isEmpty())
        platform_.desktop.Open(url);
}

} // namespace tav::gui

#pragma once

#include "core/services/Headlines.h"
#include "gui/platform/Platform.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tav::gui {

class TImage;

// A read-only text box whose lines are links: reports the line clicked, and nothing for
// a click below the last line.
class HeadlineMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    HeadlineMemo(const QString& objectName, const QColor& colour, bool bold, bool underline, QWidget* parent = nullptr);
    // The line at a point of the viewport, or -1.
    int LineAt(const QPoint& point) const;

signals:
    void lineClicked(int line);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The maker's spotlight and latest press releases; a click opens the story.
class TfrmNews : public QDialog
{
    Q_OBJECT
public:
    TfrmNews(Platform& platform, const QString& imagesFolder, QWidget* parent = nullptr);

    // Entry 0 is the spotlight, the others the press releases in order.
    void ShowHeadlines(std::vector<Headline> headlines);
    const std::vector<Headline>& Headlines() const { return headlines_; }

    // The days until the headlines are shown again, as the box shows them.
    void ShowInterval(const QString& days);
    QString IntervalText() const;
    bool DisplayAgain() const;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void memSpotlightClick();
    void memNewsClick(int line);
    void chkDisplayAgainClick();

private:
    void OpenStory(size_t index);

    QLabel* lblSpotlight;
    TImage* Image1;
    HeadlineMemo* memSpotlight;
    QLabel* lblPressReleases;
    HeadlineMemo* memNews;
    QCheckBox* chkDisplayAgain;
    QComboBox* cboNumDays;
    QLabel* lblDays;
    QPushButton* btnClose;

    Platform& platform_;
    std::vector<Headline> headlines_;
};

} // namespace tav::gui

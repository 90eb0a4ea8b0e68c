#pragma once

#include "gui/platform/Platform.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tav::gui {

class TImage;

// The product's name, its picture and the terms of sale behind the prices.
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    TfrmAbout(Platform& platform, const QString& imagesFolder, QWidget* parent = nullptr);

    // The terms text, with the support address.
    static QString TermsText();

protected:
    // A click anywhere on the box closes it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TImage* Image1;
    QLabel* Label1;
    QLabel* lblVersion;
    QPlainTextEdit* Memo1;
    QPushButton* btnOk;
};

} // namespace tav::gui

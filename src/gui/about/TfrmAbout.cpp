#include "gui/about/TfrmAbout.h"

#include "gui/app/ImageLoader.h"
#include "gui/app/Maker.h"
#include "gui/app/Placement.h"
#include "gui/app/TImage.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tav::gui {

TfrmAbout::TfrmAbout(Platform& platform, const QString& imagesFolder, QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAbout");
    setWindowTitle("About");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    Image1 = new TImage("Image1", this);
    Image1->setAttribute(Qt::WA_TranslucentBackground);
    Image1->setAlignment(Qt::AlignCenter);
    ImageLoader(platform, this, imagesFolder).LoadImage(Image1, "about.gif", false);

    Label1 = new QLabel("Brimcor Tavrolin (TM)", this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    QFont nameFont = Label1->font();
    nameFont.setBold(true);
    nameFont.setPixelSize(16);
    Label1->setFont(nameFont);
    Label1->setStyleSheet("color: blue; background: transparent;");

    lblVersion = new QLabel(QStringLiteral("Version " TAVROLIN_VERSION), this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblVersion->setAttribute(Qt::WA_TranslucentBackground);
    lblVersion->setStyleSheet("color: blue; background: transparent;");

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette memo = Memo1->palette();
    memo.setColor(QPalette::Base, palette().color(QPalette::Button));
    memo.setColor(QPalette::Text, Qt::blue);
    Memo1->setPalette(memo);
    Memo1->setPlainText(TermsText());

    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);

    // The product name and its version lie over the top of the picture.
    auto* name = new QVBoxLayout;
    name->setSpacing(0);
    name->addWidget(Label1);
    name->addWidget(lblVersion);
    auto* top = new QGridLayout;
    top->addWidget(Image1, 0, 0);
    top->addLayout(name, 0, 0, Qt::AlignHCenter | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Memo1, 1);
    layout->addWidget(btnOk, 0, Qt::AlignHCenter);
    setFixedSize(251, 399);

    connect(btnOk, &QPushButton::clicked, this, &TfrmAbout::accept);
    for (QWidget* w : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(Label1), static_cast<QWidget*>(lblVersion),
                       Memo1->viewport()})
        w->installEventFilter(this);
    btnOk->setFocus();
}

QString TfrmAbout::TermsText()
{
    return QStringLiteral("Terms\n\n"
                          "This price list covers the Brimcor lines of transmission line, antennas, "
                          "connectors and installation accessories. Prices and specifications are subject "
                          "to change without notice.\n\n"
                          "Prices for domestic orders are FOB the Brimcor shipping point, freight prepaid "
                          "and added to the invoice. Prices for international orders are FCA the Brimcor "
                          "export warehouse.\n\n"
                          "Prices do not include export packing, insurance, taxes, tariffs or duties.\n\n"
                          "Refundable deposits are charged for some skids and for large cable reels.\n\n"
                          "All orders are subject to a minimum charge of $50.00 net.\n\n"
                          "For a specific quotation please contact your local Brimcor representative or "
                          "sales office.\n\n"
                          "All orders are subject to acceptance by Brimcor and are governed by the Brimcor "
                          "terms and conditions of sale.\n\n"
                          "Questions or comments?\n") +
           kSupportEmail;
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
    btnOk->setFocus();
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::mouseReleaseEvent(QMouseEvent* event)
{
    QDialog::mouseReleaseEvent(event);
    accept();
}

} // namespace tav::gui

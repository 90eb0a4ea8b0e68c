#include "gui/platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>

namespace tav::gui {

namespace {

BoxRequest Simple(BoxKind kind, const QString& text)
{
    BoxRequest r;
    r.kind = kind;
    r.text = text;
    return r;
}

QString DefaultCaption(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Error:
        return QStringLiteral("Error");
    case BoxKind::Warning:
        return QStringLiteral("Warning");
    case BoxKind::Confirmation:
        return QStringLiteral("Confirm");
    case BoxKind::Information:
        break;
    }
    return QStringLiteral("Information");
}

} // namespace

void IMessageBoxes::Error(QWidget* parent, const QString& text)
{
    Show(parent, Simple(BoxKind::Error, text));
}

void IMessageBoxes::Warning(QWidget* parent, const QString& text)
{
    Show(parent, Simple(BoxKind::Warning, text));
}

void IMessageBoxes::Information(QWidget* parent, const QString& text)
{
    Show(parent, Simple(BoxKind::Information, text));
}

void IMessageBoxes::ActionError(QWidget* parent, const QString& text)
{
    if (actionDepth_ > 0 && actionErrorShown_)
        return;
    actionErrorShown_ = actionDepth_ > 0;
    Error(parent, text);
}

BoxButton IMessageBoxes::Confirm(QWidget* parent, const QString& text)
{
    BoxRequest r = Simple(BoxKind::Confirmation, text);
    r.buttons = {{BoxButton::Yes, {}}, {BoxButton::No, {}}, {BoxButton::Cancel, {}}};
    r.defaultButton = BoxButton::Yes;
    return Show(parent, r).button;
}

BoxAnswer QtMessageBoxes::Show(QWidget* parent, const BoxRequest& request)
{
    QMessageBox box(parent);
    switch (request.kind) {
    case BoxKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case BoxKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case BoxKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    }
    box.setWindowTitle(request.caption.isEmpty() ? DefaultCaption(request.kind) : request.caption);
    if (request.richText.isEmpty()) {
        box.setTextFormat(Qt::PlainText);
        box.setText(request.text);
    } else {
        box.setTextFormat(Qt::RichText);
        box.setText(request.richText);
    }

    QMap<QAbstractButton*, BoxButton> roles;
    for (const BoxButtonSpec& entry : request.buttons) {
        QAbstractButton* b = nullptr;
        switch (entry.button) {
        case BoxButton::Ok:
            b = box.addButton(QMessageBox::Ok);
            break;
        case BoxButton::Yes:
            b = box.addButton(QMessageBox::Yes);
            break;
        case BoxButton::No:
            b = box.addButton(QMessageBox::No);
            break;
        case BoxButton::Cancel:
            b = box.addButton(QMessageBox::Cancel);
            break;
        case BoxButton::Custom1:
        case BoxButton::Custom2:
            b = box.addButton(entry.caption, QMessageBox::ActionRole);
            break;
        }
        if (!entry.caption.isEmpty())
            b->setText(entry.caption);
        if (request.minimumButtonWidth > 0)
            b->setMinimumWidth(request.minimumButtonWidth);
        roles.insert(b, entry.button);
        if (entry.button == request.defaultButton) {
            if (auto* push = qobject_cast<QPushButton*>(b))
                box.setDefaultButton(push);
        }
        if (request.escapeButton ? entry.button == *request.escapeButton
                                 : entry.button == BoxButton::Cancel || request.buttons.size() == 1)
            box.setEscapeButton(b);
    }
    QCheckBox* check = nullptr;
    if (!request.checkBoxText.isEmpty()) {
        check = new QCheckBox(request.checkBoxText, &box);
        box.setCheckBox(check);
    }
    box.exec();

    BoxAnswer answer;
    answer.button = roles.value(box.clickedButton(), request.defaultButton);
    if (!box.clickedButton() && request.buttons.size() > 1) {
        // Closed without a button: the escape answer, if the box has one.
        for (const BoxButtonSpec& entry : request.buttons)
            if (entry.button == BoxButton::Cancel)
                answer.button = BoxButton::Cancel;
    }
    answer.checked = check && check->isChecked();
    return answer;
}

} // namespace tav::gui

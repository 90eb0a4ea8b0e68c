#pragma once

#include <QDoubleSpinBox>

namespace tav::gui {

// A length box: decimal numbers written as the user typed them ("15", "30.5"), with
// "." as the decimal separator and never below zero.
class TDecimalSpinEdit : public QDoubleSpinBox
{
    Q_OBJECT
public:
    TDecimalSpinEdit(const QString& objectName, double value, QWidget* parent = nullptr);

    // Sets the value from a number text; throws ConversionError when it is none.
    void SetText(const QString& text);
    // The value as the box writes it, also while a typed text is still being edited.
    QString ValueText() const { return textFromValue(value()); }

protected:
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
};

} // namespace tav::gui

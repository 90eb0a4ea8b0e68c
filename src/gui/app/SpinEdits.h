#pragma once

#include <QDoubleSpinBox>
#include <string_view>

class QSpinBox;

namespace tav::gui {

// A length box: decimal numbers written as the user typed them ("15", "30.5"), with
// "." as the decimal separator and never below zero.
class DecimalSpinEdit : public QDoubleSpinBox
{
    Q_OBJECT
public:
    DecimalSpinEdit(const QString& objectName, double value, QWidget* parent = nullptr);

    // Sets the value from a number text; throws ConversionError when it is none.
    void SetText(const QString& text);
    // The value as the box writes it, also while a typed text is still being edited.
    QString ValueText() const { return textFromValue(value()); }
    // The value of a number text the box can hold; throws the standard ConversionError
    // when the text is no number or one outside the box's range.
    double ValueOf(std::string_view text) const;

protected:
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
};

// A length as the boxes write it: at most `decimals` decimals, no trailing zeros.
QString DecimalText(double value, int decimals);

// The value of a whole-number text a spin box can hold; throws the standard
// ConversionError when the text is no whole number or one outside the box's range.
int IntegerFor(const QSpinBox* box, std::string_view text);

} // namespace tav::gui

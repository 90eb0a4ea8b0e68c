#include "gui/app/SpinEdits.h"

#include "core/cable/LineEvaluation.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"
#include "gui/app/TextCodec.h"

#include <QSpinBox>
#include <cmath>
#include <string>

namespace tav::gui {

DecimalSpinEdit::DecimalSpinEdit(const QString& objectName, double value, QWidget* parent) : QDoubleSpinBox(parent)
{
    setObjectName(objectName);
    setDecimals(kRunLengthDecimals);
    setRange(0, kMaxRunLength);
    setSingleStep(1);
    setKeyboardTracking(true);
    setLocale(QLocale::c());
    setValue(value);
}

void DecimalSpinEdit::SetText(const QString& text)
{
    setValue(StrToFloat(ToData(text)));
}

double DecimalSpinEdit::ValueOf(std::string_view text) const
{
    const double value = StrToFloat(text);
    // A value the box would clip is not the one asked for.
    if (value < minimum() || value > maximum())
        throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

int IntegerFor(const QSpinBox* box, std::string_view text)
{
    const int value = StrToInt(text);
    if (value < box->minimum() || value > box->maximum())
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

QString DecimalText(double value, int decimals)
{
    // The shortest text that shows the stored decimals: "15", "30.5", "12.125".
    QString text = QString::number(value, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text;
}

QString DecimalSpinEdit::textFromValue(double value) const
{
    return DecimalText(value, decimals());
}

double DecimalSpinEdit::valueFromText(const QString& text) const
{
    return TryStrToFloat(ToData(text)).value_or(value());
}

QValidator::State DecimalSpinEdit::validate(QString& text, int&) const
{
    if (text.isEmpty() || text == ".")
        return QValidator::Intermediate;
    const auto v = TryStrToFloat(ToData(text));
    if (!v) {
        // A partly typed exponent or a trailing point may still become a number.
        const QChar last = text.back();
        return (last == 'e' || last == 'E' || last == '-' || last == '+') ? QValidator::Intermediate
                                                                          : QValidator::Invalid;
    }
    if (*v < minimum() || *v > maximum())
        return QValidator::Invalid;
    const int dot = text.indexOf('.');
    if (dot >= 0 && !text.contains('e', Qt::CaseInsensitive) && text.size() - dot - 1 > decimals())
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

} // namespace tav::gui

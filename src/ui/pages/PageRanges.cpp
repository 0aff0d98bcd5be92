#include "ui/pages/PageRanges.h"

#include <QRegularExpression>

namespace torvana {

UpDownRange RangeFor(const QString& upDownName)
{
    static const QRegularExpression element(QStringLiteral("^(\\w+)\\[(\\d+)\\]$"));
    const auto match = element.match(upDownName);
    const QString array = match.hasMatch() ? match.captured(1) : upDownName;
    const int index = match.hasMatch() ? match.captured(2).toInt() : 0;
    const QByteArray name = array.toLatin1();
    const auto range = FindUpDownRange(std::string_view(name.constData(), name.size()), index);
    Q_ASSERT_X(range.has_value(), "RangeFor", qPrintable(upDownName));
    return range.value_or(UpDownRange{});
}

void ApplyRange(UpDownSpinBox* box, const UpDownRange& range)
{
    box->SetRange(range.min, range.max, range.step);
}

}  // namespace torvana

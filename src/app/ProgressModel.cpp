#include "app/ProgressModel.h"

#include <algorithm>

#include "util/Numbers.h"

ProgressChange ProgressModel::Show(long& value, long maximum) {
    ProgressChange change = ProgressChange::Updated;
    if (maximum > 0) {
        tag_ = QString::number(maximum);
        change = ProgressChange::Started;
    } else if (maximum < 0) {
        tag_.clear();
        return ProgressChange::Stopped;
    } else if (!InUse()) {
        return ProgressChange::Ignored;
    }
    value = std::clamp(value, 0L, Maximum());
    value_ = value;
    return change;
}

long ProgressModel::Maximum() const {
    const long maximum = static_cast<long>(numericValue(tag_));
    return maximum == 0 ? 1 : maximum;
}

QString ProgressModel::PercentText() const {
    const double percent = static_cast<double>(value_) * 100.0 / Maximum();
    return formatGeneral(static_cast<double>(roundHalfEven(percent))) + QStringLiteral(" %");
}

long ProgressModel::FilledWidth(long innerWidth, long textWidth) const {
    const double width = static_cast<double>(innerWidth - textWidth - 1) * value_ / Maximum();
    return static_cast<long>(roundHalfEven(width));
}

// The dialog data exchange of the console: the number boxes and the log box against the
// fields of the job record.
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <optional>

#include "card_demo_dlg.h"
#include "console_dialog.h"
#include "console_texts.h"
#include "message_box.h"

namespace {

struct NumberField {
    int id;
    NumberRange range;
};

// In exchange order.
constexpr std::array<NumberField, 7> kNumberFields{{
    {IDC_COUNT, RangeOf(&CardJob::Count)},
    {IDC_TRACK1_START, RangeOf(&CardJob::Track1Start)},
    {IDC_TRACK1_INCREMENT, RangeOf(&CardJob::Track1Increment)},
    {IDC_TRACK2_INCREMENT, RangeOf(&CardJob::Track2Increment)},
    {IDC_TRACK2_START, RangeOf(&CardJob::Track2Start)},
    {IDC_TRACK3_INCREMENT, RangeOf(&CardJob::Track3Increment)},
    {IDC_TRACK3_START, RangeOf(&CardJob::Track3Start)},
}};

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// A number box's integer as the platform's exchange reads it: blanks around an optional
// sign and decimal digits, nothing else. Values past 32 bits are clamped, so that they
// fail the range check rather than wrap into it.
std::optional<int32_t> ParseInteger(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    const bool negative = i < n && text[i] == u'-';
    if (i < n && (text[i] == u'-' || text[i] == u'+')) ++i;
    const qsizetype firstDigit = i;
    int64_t value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min<int64_t>(value * 10 + (text[i].unicode() - u'0'), INT64_C(1) << 40);
    }
    if (i == firstDigit) return std::nullopt;
    while (i < n && IsBlank(text[i])) ++i;
    if (i != n) return std::nullopt;
    if (negative) value = -value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

bool CCardDemoDlg::UpdateData(bool saveAndValidate) {
    for (const NumberField& number : kNumberFields) {
        auto* box = Control<QLineEdit>(number.id);
        if (!saveAndValidate) {
            box->setText(QString::number(job_.*number.range.field));
            continue;
        }
        const std::optional<int32_t> value = ParseInteger(box->text());
        const bool inRange = value && *value >= number.range.min && *value <= number.range.max;
        if (!inRange) {
            // The failing field keeps its value too: a job never gets a number out of range.
            ShowMessageBox(this,
                           value
                               ? ConsoleTexts::NumberOutOfRange(number.range.min, number.range.max)
                               : ConsoleTexts::NotANumber(),
                           QMessageBox::Warning);
            box->setFocus();
            box->selectAll();
            return false;
        }
        job_.*number.range.field = *value;
    }
    // The log box is a read-only view of the job log, so only the log moves, towards the
    // box; reading it back could only lose bytes that have no character.
    if (!saveAndValidate) logView_->Show(job_.JobLog, job_.JobLogLock);
    return true;
}

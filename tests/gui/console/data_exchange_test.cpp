// Values between the number boxes and log box and the job record; closing with Enter and
// Escape.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <array>

#include "console_fixture.h"
#include "log_view.h"

namespace {

// The exchange order with each field.
struct Field {
    int id;
    int32_t CardJob::*member;
};

const Field kFields[] = {
    {IDC_COUNT, &CardJob::Count},
    {IDC_TRACK1_START, &CardJob::Track1Start},
    {IDC_TRACK1_INCREMENT, &CardJob::Track1Increment},
    {IDC_TRACK2_INCREMENT, &CardJob::Track2Increment},
    {IDC_TRACK2_START, &CardJob::Track2Start},
    {IDC_TRACK3_INCREMENT, &CardJob::Track3Increment},
    {IDC_TRACK3_START, &CardJob::Track3Start},
};

constexpr std::size_t kFieldCount = std::size(kFields);

// Valid values, none of them the start value of its field.
const std::array<const char*, kFieldCount> kValidTexts{"9999", "99", "0", "42", " 7 ", "+5", "0"};
const std::array<int32_t, kFieldCount> kValidValues{9999, 99, 0, 42, 7, 5, 0};
const std::array<int32_t, kFieldCount> kStartValues{1, 0, 1, 1, 0, 1, 0};

const char* const kNotAnInteger = "请输入一个整数。";
const char* const kCountRange = "请输入一个介于 1 和 9999 之间的整数。";
const char* const kTrackRange = "请输入一个介于 0 和 99 之间的整数。";

}  // namespace

class DataExchange : public ConsoleTest {
  protected:
    void FillValid() {
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            Ctl<QLineEdit>(kFields[i].id)->setText(kValidTexts[i]);
        }
    }
    std::array<int32_t, kFieldCount> Values() {
        std::array<int32_t, kFieldCount> values{};
        for (std::size_t i = 0; i < kFieldCount; ++i) values[i] = Dlg().Job().*kFields[i].member;
        return values;
    }
    void PressEnterIn(int id) {
        Ctl<QWidget>(id)->setFocus();
        QTest::keyClick(Ctl<QWidget>(id), Qt::Key_Return);
    }
};

TEST_F(DataExchange, BadValueKeepsTheWindowOpenWithTheMessageAndFocusOnItsBox) {
    struct Case {
        std::size_t field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {0, "abc", kNotAnInteger},
        {0, "", kNotAnInteger},
        {0, "0", kCountRange},
        {0, "10000", kCountRange},
        {0, "99999999999999", kCountRange},
        {1, "100", kTrackRange},
        {2, "12x", kNotAnInteger},
        {3, "-1", kTrackRange},
        {4, "1 2", kNotAnInteger},
        {5, "一", kNotAnInteger},
        {6, "  ", kNotAnInteger},
        {6, "100", kTrackRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " '" + c.text + "'");
        OpenConsole(kTestProfile);
        // A model whose boxes for this field are enabled, so the focus can go there.
        ChooseModel(c.field == 1 || c.field == 2 ? 3 : 4);
        messages_.clear();
        FillValid();
        QLineEdit* bad = Ctl<QLineEdit>(kFields[c.field].id);
        bad->setText(QString::fromUtf8(c.text));

        PressEnterIn(IDC_TRACK2_TEXT);

        EXPECT_TRUE(Dlg().isVisible());
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(Dlg().focusWidget(), bad);
        EXPECT_EQ(bad->selectedText(), bad->text());
        // Fields before the bad one took their new values; it and those after kept theirs.
        const auto values = Values();
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            EXPECT_EQ(values[i], i < c.field ? kValidValues[i] : kStartValues[i]) << i;
        }
    }
}

TEST_F(DataExchange, MessageIsOwnedByTheWindowTitledWithTheApplicationWithOkOnly) {
    Ctl<QLineEdit>(IDC_COUNT)->setText("x");
    EXPECT_FALSE(Dlg().UpdateData(true));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].owner, &Dlg());
    EXPECT_EQ(messages_[0].title, QApplication::applicationDisplayName());
    EXPECT_EQ(messages_[0].buttons, QMessageBox::Ok);
    // The framework's own validation message carries its warning sign.
    EXPECT_EQ(messages_[0].icon, QMessageBox::Warning);
}

TEST_F(DataExchange, EnterWithValidValuesStoresThemAndCloses) {
    const int origins[] = {IDC_TRACK2_TEXT, IDC_COUNT,         IDC_MODEL,
                           IDC_PORT,        IDC_TOGGLE_TRACK2, IDC_CONTINUOUS};
    for (int origin : origins) {
        SCOPED_TRACE(origin);
        OpenConsole(kTestProfile);
        FillValid();
        PressEnterIn(origin);
        EXPECT_FALSE(Dlg().isVisible());
        EXPECT_EQ(Dlg().result(), QDialog::Accepted);
        EXPECT_EQ(Values(), kValidValues);
        EXPECT_TRUE(messages_.empty());
    }
}

TEST_F(DataExchange, EnterOnAFocusedPushButtonPressesItInstead) {
    Ctl<QLineEdit>(IDC_COUNT)->setText("x");
    PressEnterIn(IDC_RUN);
    EXPECT_TRUE(Dlg().isVisible());
    for (const ShownMessage& message : messages_) EXPECT_NE(message.text, kNotAnInteger);
}

TEST_F(DataExchange, EscapeClosesWithoutReadingTheBoxes) {
    Ctl<QLineEdit>(IDC_COUNT)->setText("x");
    Ctl<QLineEdit>(IDC_TRACK2_START)->setText("12");
    Ctl<QWidget>(IDC_TRACK2_TEXT)->setFocus();
    QTest::keyClick(Ctl<QWidget>(IDC_TRACK2_TEXT), Qt::Key_Escape);
    EXPECT_FALSE(Dlg().isVisible());
    EXPECT_EQ(Dlg().result(), QDialog::Rejected);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(Dlg().Job().Track2Start, 0);
}

TEST_F(DataExchange, ValuesGoToTheBoxesAndTheLogToTheLogBox) {
    CardJob& job = Dlg().Job();
    job.Count = 250;
    job.Track1Start = 3;
    job.Track3Increment = 0;
    job.JobLog =
        "\xb5\xda"
        "1\xb4\xce\r\nabc\r\n";  // "第1次", "abc"
    Dlg().UpdateData(false);
    EXPECT_EQ(Ctl<QLineEdit>(IDC_COUNT)->text(), "250");
    EXPECT_EQ(Ctl<QLineEdit>(IDC_TRACK1_START)->text(), "3");
    EXPECT_EQ(Ctl<QLineEdit>(IDC_TRACK3_INCREMENT)->text(), "0");
    EXPECT_EQ(Ctl<LogView>(IDC_LOG)->Text(), "第1次\nabc\n");
}

TEST_F(DataExchange, GrowingLogShowsAsIfSetWholeEvenWhenPiecesSplitACharacterOrLineBreak) {
    CardJob& job = Dlg().Job();
    // "第1次\r\n" arrives cut inside the double-byte character and between CR and LF.
    const std::string pieces[] = {"\xb5",
                                  "\xda"
                                  "1\xb4\xce\r",
                                  "\nok\r\n", "", "end"};
    for (const std::string& piece : pieces) {
        job.JobLog += piece;
        Dlg().UpdateData(false);
    }
    EXPECT_EQ(Ctl<LogView>(IDC_LOG)->Text(), "第1次\nok\nend");
}

TEST_F(DataExchange, ReadingTheBoxesLeavesTheLogBytesAlone) {
    // Bytes a device may send that no character stands for.
    const std::string log = std::string("\xff\x80\x81\x00z\r\n", 7);
    Dlg().Job().JobLog = log;
    Dlg().UpdateData(false);
    EXPECT_TRUE(Dlg().UpdateData(true));
    EXPECT_EQ(Dlg().Job().JobLog, log);
}

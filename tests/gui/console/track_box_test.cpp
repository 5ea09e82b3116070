// Track boxes: their counters, their byte limits and the input they refuse.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "console_fixture.h"

namespace {

enum class Input { Keys, InputMethod, Clipboard };

const char* Name(Input input) {
    switch (input) {
        case Input::Keys:
            return "keys";
        case Input::InputMethod:
            return "input method";
        case Input::Clipboard:
            return "clipboard";
    }
    return "";
}

constexpr Input kInputs[] = {Input::Keys, Input::InputMethod, Input::Clipboard};

}  // namespace

class TrackBoxTest : public ConsoleTest {
  protected:
    // KX400 has tracks 1 and 2, KX500 tracks 2 and 3.
    void SetUp() override {
        ConsoleTest::SetUp();
        ChooseModel(3);
    }
    void Enter(Input input, int boxId, const QString& text) {
        QWidget* box = TrackBox(boxId);
        box->setFocus();
        switch (input) {
            case Input::Keys:
                Type(box, text);
                break;
            case Input::InputMethod:
                Commit(box, text);
                break;
            case Input::Clipboard:
                Paste(box, text);
                break;
        }
    }
    void BreakLine(int boxId) {
        QTest::keyClick(TrackBox(boxId), Qt::Key_Return, Qt::ControlModifier);
    }
};

using TrackCounter = TrackBoxTest;

TEST_F(TrackCounter, LabelsCountGbkBytesWithLineBreaksAsTwo) {
    struct Case {
        int box;
        int label;
        QString text;
        int breaks;
        const char* shown;
    };
    const Case cases[] = {
        {IDC_TRACK1_TEXT, IDC_TRACK1_COUNT, "磁", 0, "1轨2个数据："},
        {IDC_TRACK1_TEXT, IDC_TRACK1_COUNT, "磁", 1, "1轨4个数据："},
        {IDC_TRACK2_TEXT, IDC_TRACK2_COUNT, "6225=88", 0, "2轨7个数据："},
        {IDC_TRACK2_TEXT, IDC_TRACK2_COUNT, "卡号123", 2, "2轨11个数据："},
        {IDC_TRACK1_TEXT, IDC_TRACK1_COUNT, "é", 0, "1轨2个数据："},
    };
    for (const Case& c : cases) {
        for (Input input : kInputs) {
            SCOPED_TRACE(c.shown + std::string(" by ") + Name(input));
            TrackBox(c.box)->clear();
            EXPECT_EQ(LabelText(c.label),
                      QString("%1轨0个数据：").arg(c.label == IDC_TRACK1_COUNT ? 1 : 2));
            Enter(input, c.box, c.text);
            for (int i = 0; i < c.breaks; ++i) BreakLine(c.box);
            EXPECT_EQ(LabelText(c.label), c.shown);
        }
    }
}

TEST_F(TrackCounter, TrackThreeCountsInItsOwnLabel) {
    ChooseModel(4);
    Enter(Input::InputMethod, IDC_TRACK3_TEXT, "数据");
    EXPECT_EQ(LabelText(IDC_TRACK3_COUNT), "3轨4个数据：");
    EXPECT_EQ(LabelText(IDC_TRACK2_COUNT), "2轨0个数据：");
}

TEST_F(TrackCounter, TextSetByTheProgramIsCountedToo) {
    TrackBox(IDC_TRACK2_TEXT)->setPlainText("ab\ncd");
    EXPECT_EQ(LabelText(IDC_TRACK2_COUNT), "2轨6个数据：");
}

// The big font is taller than the room above a track box: the count's glyphs must still
// end above the box's frame, not on it.
TEST_F(TrackCounter, CountTextEndsAboveTheFrameOfItsBox) {
    for (const auto& [label, box] : {std::pair{IDC_TRACK1_COUNT, IDC_TRACK1_TEXT},
                                     {IDC_TRACK2_COUNT, IDC_TRACK2_TEXT},
                                     {IDC_TRACK3_COUNT, IDC_TRACK3_TEXT}}) {
        SCOPED_TRACE(label);
        QLabel* count = Ctl<QLabel>(label);
        const QImage picture = count->grab().toImage();
        int lowestInk = -1;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (qGray(picture.pixel(x, y)) < 128) lowestInk = y;
            }
        }
        ASSERT_GE(lowestInk, 0);
        EXPECT_LT(count->y() + lowestInk, TrackBox(box)->y() - 1);
    }
}

using TrackLimit = TrackBoxTest;

TEST_F(TrackLimit, InputPastTheLimitIsRefusedWhole) {
    for (Input input : kInputs) {
        SCOPED_TRACE(Name(input));
        TrackTextBox* box = TrackBox(IDC_TRACK2_TEXT);
        box->clear();
        Enter(input, IDC_TRACK2_TEXT, QString(33, u'7'));
        ASSERT_EQ(box->ByteLength(), 33);
        Enter(input, IDC_TRACK2_TEXT, "1");
        Enter(input, IDC_TRACK2_TEXT, "磁");
        EXPECT_EQ(box->toPlainText(), QString(33, u'7') + "1磁");
        // One byte left: a double-byte character does not fit.
        box->textCursor().deletePreviousChar();
        Enter(input, IDC_TRACK2_TEXT, "2");
        Enter(input, IDC_TRACK2_TEXT, "条");
        EXPECT_EQ(box->toPlainText(), QString(33, u'7') + "12");
        Enter(input, IDC_TRACK2_TEXT, "3");
        EXPECT_EQ(box->ByteLength(), 36);
        Enter(input, IDC_TRACK2_TEXT, "4");
        EXPECT_EQ(box->ByteLength(), 36);
    }
}

TEST_F(TrackLimit, ComposedOrPastedTextThatWouldPassTheLimitIsRefusedWhole) {
    for (Input input : {Input::InputMethod, Input::Clipboard}) {
        SCOPED_TRACE(Name(input));
        TrackTextBox* box = TrackBox(IDC_TRACK2_TEXT);
        box->setPlainText(QString(30, u'7'));
        box->moveCursor(QTextCursor::End);
        Enter(input, IDC_TRACK2_TEXT, "磁条卡号");  // 8 bytes where 6 fit
        EXPECT_EQ(box->ByteLength(), 30);
        Enter(input, IDC_TRACK2_TEXT, "磁条卡");
        EXPECT_EQ(box->ByteLength(), 36);
    }
}

TEST_F(TrackLimit, ShortcutsStillWorkInAFullBox) {
    TrackTextBox* box = TrackBox(IDC_TRACK2_TEXT);
    Enter(Input::Keys, IDC_TRACK2_TEXT, QString(36, u'1'));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->textCursor().selectedText(), QString(36, u'1'));
}

TEST_F(TrackLimit, LineBreakNeedsTwoBytes) {
    TrackTextBox* box = TrackBox(IDC_TRACK2_TEXT);
    Enter(Input::Keys, IDC_TRACK2_TEXT, QString(35, u'1'));
    BreakLine(IDC_TRACK2_TEXT);
    EXPECT_EQ(box->blockCount(), 1);
    Enter(Input::Clipboard, IDC_TRACK2_TEXT, "\n");
    EXPECT_EQ(box->blockCount(), 1);
    QTest::keyClick(box, Qt::Key_Backspace);
    BreakLine(IDC_TRACK2_TEXT);
    EXPECT_EQ(box->blockCount(), 2);
    EXPECT_EQ(box->ByteLength(), 36);
}

TEST_F(TrackLimit, TypingOverASelectionCountsOnlyWhatRemains) {
    TrackTextBox* box = TrackBox(IDC_TRACK2_TEXT);
    Enter(Input::Keys, IDC_TRACK2_TEXT, QString(36, u'1'));
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    Enter(Input::InputMethod, IDC_TRACK2_TEXT, "磁");
    EXPECT_EQ(box->toPlainText(), QString(34, u'1') + "磁");
}

// Composed or pasted, a text with one character that has no GBK code is refused whole.
TEST_F(TrackLimit, CharactersWithoutGbkCodeAreRefused) {
    for (Input input : kInputs) {
        for (const auto& [text, composed] :
             {std::pair{QString("😀"), false}, {QString("\u0e01"), false}, {QString("ÿ"), false},
              {QString("卡\u0e01b"), true}}) {
            if (composed && input == Input::Keys) continue;
            SCOPED_TRACE(std::string(Name(input)) + " " + text.toStdString());
            TrackTextBox* box = TrackBox(IDC_TRACK1_TEXT);
            box->setPlainText("ok");
            box->moveCursor(QTextCursor::End);
            Enter(input, IDC_TRACK1_TEXT, text);
            EXPECT_EQ(box->toPlainText(), "ok");
        }
    }
}

TEST_F(TrackLimit, DensityChoosesTheTrackTwoLimitAndKeepsLongerText) {
    TrackTextBox* box = TrackBox(IDC_TRACK2_TEXT);
    Choose(IDC_DENSITY, 1);
    EXPECT_EQ(box->ByteLimit(), 104);
    Enter(Input::Keys, IDC_TRACK2_TEXT, QString(50, u'5'));
    EXPECT_EQ(box->ByteLength(), 50);
    Choose(IDC_DENSITY, 0);
    EXPECT_EQ(box->ByteLimit(), 36);
    EXPECT_EQ(box->toPlainText(), QString(50, u'5'));
    EXPECT_EQ(LabelText(IDC_TRACK2_COUNT), "2轨50个数据：");
    Enter(Input::Keys, IDC_TRACK2_TEXT, "6");
    EXPECT_EQ(box->ByteLength(), 50);
    // Deleting is always allowed.
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->ByteLength(), 49);
}

TEST_F(TrackLimit, TrackThreeIsLimitedToTheHighDensityWhateverTheDensity) {
    ChooseModel(4);
    for (int density : {1, 0}) {
        Choose(IDC_DENSITY, density);
        EXPECT_EQ(TrackBox(IDC_TRACK3_TEXT)->ByteLimit(), 104);
    }
    Enter(Input::Keys, IDC_TRACK3_TEXT, QString(105, u'3'));
    EXPECT_EQ(TrackBox(IDC_TRACK3_TEXT)->ByteLength(), 104);
}

TEST_F(TrackLimit, ZeroInTheProfileLiftsTheLimit) {
    OpenConsole("[Command]\nTack1Num=0\nTack2Lower=0\nTack2High=20\n");
    ChooseModel(3);
    const QString longText(300, u'x');
    Enter(Input::Clipboard, IDC_TRACK1_TEXT, longText);
    EXPECT_EQ(TrackBox(IDC_TRACK1_TEXT)->toPlainText(), longText);
    Enter(Input::Keys, IDC_TRACK2_TEXT, longText);
    EXPECT_EQ(TrackBox(IDC_TRACK2_TEXT)->toPlainText(), longText);
    Choose(IDC_DENSITY, 1);
    Enter(Input::Keys, IDC_TRACK2_TEXT, "y");
    EXPECT_EQ(TrackBox(IDC_TRACK2_TEXT)->toPlainText(), longText);
}

TEST_F(TrackLimit, EnterWithoutCtrlBreaksNoLineButGoesToTheWindow) {
    for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        Dlg().show();
        Enter(Input::Keys, IDC_TRACK2_TEXT, "12");
        QTest::keyClick(TrackBox(IDC_TRACK2_TEXT), Qt::Key_Return, modifiers);
        EXPECT_EQ(TrackBox(IDC_TRACK2_TEXT)->blockCount(), 1);
        EXPECT_FALSE(Dlg().isVisible());
    }
}

using TrackHint = ConsoleTest;

// ISO/IEC 7811 gives track 2 digits and a few signs: a letter is marked and named, not
// refused, and nothing moves.
TEST_F(TrackHint, IsoFormatMarksALetterOnTrackTwoInRedAndNamesItIbmDoesNot) {
    TrackTextBox* box = TrackBox(IDC_TRACK2_TEXT);
    auto redMarks = [box] {  // start and length of each
        QList<int> marks;
        for (const auto& range : box->document()->firstBlock().layout()->formats()) {
            if (range.format.underlineStyle() != QTextCharFormat::NoUnderline &&
                range.format.underlineColor() == QColor(Qt::red)) {
                marks << range.start << range.length;
            }
        }
        return marks;
    };
    const QRect place = box->geometry();
    Type(box, "1234A5=6");
    EXPECT_EQ(box->toPlainText(), "1234A5=6");
    EXPECT_EQ(redMarks(), QList<int>({4, 1}));
    EXPECT_EQ(box->toolTip(), "不在ISO/IEC 7811 2轨字符集内的字符：A");

    Choose(IDC_FORMAT, 0);  // IBM
    EXPECT_TRUE(redMarks().isEmpty());
    EXPECT_TRUE(box->toolTip().isEmpty());

    Choose(IDC_FORMAT, 1);
    box->setPlainText(QString(38, u'1'));  // with both sentinels and the LRC, 41 characters
    EXPECT_TRUE(redMarks().isEmpty());
    EXPECT_EQ(box->toolTip(),
              "超出ISO/IEC 7811 2轨的容量：标准最多40个字符，现有41个（含起止符和校验符）");
    EXPECT_EQ(box->geometry(), place);
}

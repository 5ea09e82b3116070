// The log box drawn from the log's bytes: its lines, and what the operator does with it.
#include "log_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

#include "gbk.h"

namespace {

// A log as successive refreshes see it, and the lines found in it.
TEST(LogLines, BreaksAreCrLfLoneLfOrLoneCrWhereverThePiecesEnd) {
    const struct {
        std::vector<std::string> logs;
        std::vector<std::string> lines;
    } cases[] = {
        {{"a\r\nb\nc\rd"}, {"a", "b", "c", "d"}},
        {{"a\r", "a\r\nb"}, {"a", "b"}},
        {{"a\r", "a\rb\r"}, {"a", "b"}},
        {{"a\r\n"}, {"a", ""}},
        {{"\r\r\n\n"}, {"", "", "", ""}},
        {{"old\r\nlog\r\n", "new"}, {"new"}},  // shorter: a new log
    };
    for (const auto& c : cases) {
        LogLines lines;
        for (const std::string& log : c.logs) lines.Update(log);
        std::vector<std::string> found;
        for (std::size_t i = 0; i < lines.Count(); ++i)
            found.emplace_back(lines.Line(c.logs.back(), i));
        EXPECT_EQ(found, c.lines) << c.logs.back();
    }
}

TEST(LogView, ScrollsSelectsAndCopiesAsUnicode) {
    LogView view;
    view.resize(400, 200);
    view.show();
    std::mutex appending;
    std::string log;
    for (int i = 1; i <= 50; ++i) log += Utf8ToGbk("第" + std::to_string(i) + "次成功读取\r\n");
    view.Show(log, appending);
    QScrollBar& bar = *view.verticalScrollBar();
    EXPECT_EQ(bar.value(), bar.maximum());

    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(bar.value(), 0);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(bar.value(), bar.pageStep());
    QTest::keyClick(&view, Qt::Key_Home);

    // A drag from the first line's start to the second line selects across the break.
    const int lineHeight = view.fontMetrics().lineSpacing();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(4, 6));
    QTest::mouseMove(view.viewport(),
                     QPoint(view.fontMetrics().horizontalAdvance("第2"), 6 + lineHeight));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton);
    EXPECT_EQ(view.SelectedText(), QStringLiteral("第1次成功读取\n第2"));

    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), view.Text());
    EXPECT_EQ(view.Text(), QString::fromStdString(GbkToUtf8(log)).replace("\r\n", "\n"));
}

}  // namespace

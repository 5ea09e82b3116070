#include "picture_ctrl.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QTest>
#include <vector>

namespace {

// 40 x 20: red and blue halves above, green below, so that a squeezed picture can be told
// from a cut one in either direction.
QByteArray ThreeBlocksPng() {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    QPainter painter(&image);
    painter.fillRect(0, 0, 20, 10, Qt::red);
    painter.fillRect(20, 0, 20, 10, Qt::blue);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

bool Load(PictureHolder& holder, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return holder.LoadStream(buffer);
}

// --- loading when the control is shown ---------------------------------------------------

struct AutoLoadCase {
    const char* name;
    bool autoLoad;
    const char* id;
    bool loads;
};

void PrintTo(const AutoLoadCase& c, std::ostream* os) {
    *os << c.name;
}

class PictureAutoLoad : public ::testing::TestWithParam<AutoLoadCase> {};

TEST_P(PictureAutoLoad, LoadsTheImageOfItsIdWhenShown) {
    QWidget window;
    auto* picture = new CPictureCtrl(GetParam().autoLoad, &window);
    picture->setObjectName(QString::fromLatin1(GetParam().id));
    picture->setGeometry(0, 0, 120, 120);
    EXPECT_FALSE(picture->Picture().HasPicture()) << "loaded before it was shown";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(picture->Picture().HasPicture(), GetParam().loads);
    EXPECT_EQ(picture->Picture().SizeInPixels().isEmpty(), !GetParam().loads);
}

INSTANTIATE_TEST_SUITE_P(Ids, PictureAutoLoad,
                         ::testing::Values(AutoLoadCase{"Image143", true, "143", true},
                                           AutoLoadCase{"Image145", true, "145", true},
                                           AutoLoadCase{"NoSuchImage", true, "999", false},
                                           AutoLoadCase{"IdZero", true, "0", false},
                                           AutoLoadCase{"NegativeId", true, "-143", false},
                                           AutoLoadCase{"NotANumber", true, "logo", false},
                                           AutoLoadCase{"AutoLoadOff", false, "143", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the holder --------------------------------------------------------------------------

TEST(PictureHolder, ResourceIdUsesItsLowSixteenBits) {
    PictureHolder holder;
    EXPECT_TRUE(holder.LoadResourceImage(0x10000 + 145));
    EXPECT_TRUE(holder.HasPicture());
}

TEST(PictureHolder, UndecodableDataLeavesNoPicture) {
    PictureHolder holder;
    ASSERT_TRUE(Load(holder, ThreeBlocksPng()));
    ASSERT_EQ(holder.SizeInPixels(), QSize(40, 20));
    EXPECT_TRUE(Load(holder, QByteArray("not a picture")));
    EXPECT_FALSE(holder.HasPicture());
    EXPECT_EQ(holder.SizeInPixels(), QSize(0, 0));

    QImage canvas(10, 10, QImage::Format_RGB32);
    QPainter painter(&canvas);
    EXPECT_FALSE(holder.Paint(painter, QRect()));
}

TEST(PictureHolder, AnEmptyRectMeansNaturalSizeAtTheOrigin) {
    PictureHolder holder;
    ASSERT_TRUE(Load(holder, ThreeBlocksPng()));
    QImage canvas(60, 40, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    EXPECT_TRUE(holder.Paint(painter, QRect()));
    painter.end();
    EXPECT_EQ(QColor(canvas.pixel(5, 5)), QColor(Qt::red));
    EXPECT_EQ(QColor(canvas.pixel(35, 5)), QColor(Qt::blue));
    EXPECT_EQ(QColor(canvas.pixel(35, 15)), QColor(Qt::green));
    EXPECT_EQ(QColor(canvas.pixel(45, 5)), QColor(Qt::white));
    EXPECT_EQ(QColor(canvas.pixel(5, 25)), QColor(Qt::white));
}

// --- painting in the control -------------------------------------------------------------

enum class Shows { Red, Blue, Green, Background };

struct Sample {
    QPoint at;
    Shows shows;
};

struct FitCase {
    const char* name;
    QSize control;
    std::vector<Sample> samples;
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class PictureFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(PictureFit, SqueezedWhereTheControlIsSmallerTopLeftOtherwise) {
    CPictureCtrl picture(false);
    picture.resize(GetParam().control);
    ASSERT_TRUE(Load(picture.Picture(), ThreeBlocksPng()));
    const QImage shot = picture.grab().toImage();
    const QColor background = picture.palette().color(QPalette::Window);
    for (const Sample& sample : GetParam().samples) {
        const QColor expected = sample.shows == Shows::Red     ? QColor(Qt::red)
                                : sample.shows == Shows::Blue  ? QColor(Qt::blue)
                                : sample.shows == Shows::Green ? QColor(Qt::green)
                                                               : background;
        EXPECT_EQ(QColor(shot.pixel(sample.at)), expected)
            << "at " << sample.at.x() << "," << sample.at.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureFit,
                         ::testing::Values(FitCase{"Larger",
                                                   {60, 40},
                                                   {{{5, 5}, Shows::Red},
                                                    {{35, 5}, Shows::Blue},
                                                    {{5, 15}, Shows::Green},
                                                    {{50, 5}, Shows::Background},
                                                    {{5, 30}, Shows::Background},
                                                    {{55, 35}, Shows::Background}}},
                                           FitCase{"Narrower",
                                                   {30, 30},
                                                   {{{3, 5}, Shows::Red},
                                                    {{17, 5}, Shows::Blue},
                                                    {{17, 15}, Shows::Green},
                                                    {{15, 25}, Shows::Background}}},
                                           FitCase{"Lower",
                                                   {60, 10},
                                                   {{{5, 2}, Shows::Red},
                                                    {{35, 2}, Shows::Blue},
                                                    {{5, 7}, Shows::Green},
                                                    {{50, 5}, Shows::Background}}},
                                           FitCase{"Smaller",
                                                   {20, 10},
                                                   {{{3, 2}, Shows::Red},
                                                    {{17, 2}, Shows::Blue},
                                                    {{10, 7}, Shows::Green}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureFit, WithoutAPictureOnlyTheBackgroundIsPainted) {
    CPictureCtrl picture(false);
    picture.resize(30, 30);
    const QImage shot = picture.grab().toImage();
    const QColor background = picture.palette().color(QPalette::Window);
    EXPECT_EQ(QColor(shot.pixel(0, 0)), background);
    EXPECT_EQ(QColor(shot.pixel(29, 29)), background);
}

}  // namespace

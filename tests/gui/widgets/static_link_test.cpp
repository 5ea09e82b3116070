#include "static_link.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPointer>
#include <QTest>
#include <memory>
#include <vector>

#include "string_table.h"

namespace {

// A link inside a shown window, with the desktop and the speaker replaced by recorders.
class LinkFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        window_.resize(240, 120);
        link_ = new CStaticLink(QString(), false, &window_);
        Prepare(*link_);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }

    void Prepare(CStaticLink& link) {
        link.setGeometry(20, 20, 120, 30);
        link.setText(QStringLiteral("MMMM"));
        link.SetOpener([this](const QUrl& url) {
            opened_.push_back(url);
            return openSucceeds_;
        });
        link.SetBeeper([this] { ++beeps_; });
    }

    void Enter(CStaticLink& link) {
        const QPointF local(5, 5);
        QEnterEvent enter(local, local, link.mapToGlobal(local));
        QApplication::sendEvent(&link, &enter);
    }

    // The hover timer's tick, with the pointer placed first.
    void TickWithPointer(CStaticLink& link, QPoint local) {
        QCursor::setPos(link.mapToGlobal(local));
        QTimerEvent tick(0);
        QApplication::sendEvent(&link, &tick);
    }

    void Click(CStaticLink& link) { QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5)); }

    QWidget window_;
    CStaticLink* link_ = nullptr;
    std::vector<QUrl> opened_;
    bool openSucceeds_ = true;
    int beeps_ = 0;
};

// --- colours -----------------------------------------------------------------------------

TEST_F(LinkFixture, IdleHoverVisitedAndBackToIdle) {
    link_->setObjectName(QStringLiteral("7"));
    EXPECT_EQ(link_->Colour(), CStaticLink::kUnvisitedColour);
    EXPECT_FALSE(link_->IsHovering());

    Enter(*link_);
    EXPECT_TRUE(link_->IsHovering());
    EXPECT_EQ(link_->Colour(), CStaticLink::kHoverColour);
    EXPECT_EQ(link_->cursor().shape(), Qt::PointingHandCursor);

    TickWithPointer(*link_, QPoint(10, 10));
    EXPECT_EQ(link_->Colour(), CStaticLink::kHoverColour);

    Click(*link_);
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(link_->Colour(), CStaticLink::kVisitedColour);

    TickWithPointer(*link_, QPoint(10, 10));
    EXPECT_EQ(link_->Colour(), CStaticLink::kVisitedColour);

    TickWithPointer(*link_, QPoint(-30, -30));
    EXPECT_FALSE(link_->IsHovering());
    EXPECT_EQ(link_->Colour(), CStaticLink::kUnvisitedColour);
    EXPECT_EQ(beeps_, 0);
}

TEST_F(LinkFixture, TextIsPaintedInTheCurrentColour) {
    const auto hasInkOf = [](const QImage& image, QRgb colour) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == colour) return true;
            }
        }
        return false;
    };
    QImage idle = link_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(hasInkOf(idle, CStaticLink::kUnvisitedColour));
    EXPECT_FALSE(hasInkOf(idle, CStaticLink::kHoverColour));

    Enter(*link_);
    QImage hover = link_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(hasInkOf(hover, CStaticLink::kHoverColour));
    EXPECT_FALSE(hasInkOf(hover, CStaticLink::kUnvisitedColour));
}

TEST_F(LinkFixture, FailedOpenBeepsAndKeepsTheColour) {
    openSucceeds_ = false;
    Enter(*link_);
    Click(*link_);
    EXPECT_EQ(opened_.size(), 1u);
    EXPECT_EQ(beeps_, 1);
    EXPECT_EQ(link_->Colour(), CStaticLink::kHoverColour);
    EXPECT_TRUE(link_->IsHovering());
}

TEST_F(LinkFixture, ClickWithNothingToOpenDoesNothingAtAll) {
    link_->setText(QString());
    link_->setObjectName(QStringLiteral("7"));  // an id with no string
    Enter(*link_);
    Click(*link_);
    EXPECT_TRUE(opened_.empty());
    EXPECT_EQ(beeps_, 0);
    EXPECT_EQ(link_->Colour(), CStaticLink::kHoverColour);
}

// --- finding the link --------------------------------------------------------------------

struct LookupCase {
    const char* name;
    QString constructorText;
    QString objectName;
    QString labelText;
    QString expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << c.name;
}

class LinkLookup : public LinkFixture, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(LinkLookup, ConstructorTextThenStringResourceThenOwnText) {
    const LookupCase& c = GetParam();
    auto* link = new CStaticLink(c.constructorText, false, &window_);
    Prepare(*link);
    link->setObjectName(c.objectName);
    link->setText(c.labelText);
    link->show();

    Click(*link);
    EXPECT_EQ(link->Link().Text(), c.expected);
    ASSERT_EQ(opened_.size(), 1u);

    link->setText(QStringLiteral("https://example.org/later"));
    Click(*link);  // the link found first serves every later click
    ASSERT_EQ(opened_.size(), 2u);
    EXPECT_EQ(opened_[1], opened_[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, LinkLookup,
    ::testing::Values(
        LookupCase{"Constructor", "https://example.org/given", "101", "https://example.org/own",
                   "https://example.org/given"},
        LookupCase{"StringResource", "", "101", "https://example.org/own", LoadStringResource(101)},
        LookupCase{"OwnText", "", "7", "https://example.org/own", "https://example.org/own"},
        LookupCase{"OwnTextWithoutId", "", "", "https://example.org/own",
                   "https://example.org/own"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LinkText, EmptyTextOpensNothing) {
    int calls = 0;
    LinkText link;
    link.SetOpener([&calls](const QUrl&) {
        ++calls;
        return true;
    });
    EXPECT_FALSE(link.OpenLink());
    EXPECT_EQ(calls, 0);
}

TEST(LinkText, HandsTheAddressToTheDesktop) {
    std::vector<QUrl> opened;
    LinkText link(QStringLiteral("https://example.org/a?b=1"));
    link.SetOpener([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_TRUE(link.OpenLink());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://example.org/a?b=1")));
}

// --- lifetime ----------------------------------------------------------------------------

TEST(LinkLifetime, DeleteOnDestroyIsHonoured) {
    for (const bool deleteOnDestroy : {true, false}) {
        QPointer<CStaticLink> link = new CStaticLink(QString(), deleteOnDestroy);
        link->show();
        link->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(link.isNull(), deleteOnDestroy);
        delete link.data();
    }
}

}  // namespace

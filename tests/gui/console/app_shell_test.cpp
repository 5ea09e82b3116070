// The application shell: skin, modal console, skin removed once the console is gone.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>

#include "card_demo_app.h"
#include "cardsim_process.h"
#include "console_fixture.h"
#include "program_process.h"
#include "pty_job_harness.h"
#include "wait_for.h"
#include "message_box.h"
#include "qt_texts.h"
#include "skin.h"

namespace {

// Records the shell's calls and what was on screen at each of them.
class CountingSkin : public Skin {
  public:
    void Load(const QString& fileName) override {
        loadedFiles.push_back(fileName);
        consolesAtLoad = ConsolesAlive();
    }
    void Remove() override {
        ++removals;
        consolesAtRemove = ConsolesAlive();
    }
    static int ConsolesAlive() {
        int alive = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            alive += qobject_cast<CCardDemoDlg*>(widget) != nullptr;
        }
        return alive;
    }

    std::vector<QString> loadedFiles;
    int removals = 0;
    int consolesAtLoad = -1;
    int consolesAtRemove = -1;
};

// Once the console runs modally, notes what it sees and closes it with `close`.
class ConsoleCloser {
  public:
    explicit ConsoleCloser(std::function<void(CCardDemoDlg&)> close) : close_(std::move(close)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* console = qobject_cast<CCardDemoDlg*>(QApplication::activeModalWidget());
            if (console == nullptr) return;
            timer_.stop();
            sawConsole = console->isVisible() && console->parentWidget() == nullptr;
            styleSheetWhileOpen = qApp->styleSheet();
            close_(*console);
        });
        timer_.start();
    }
    bool sawConsole = false;
    QString styleSheetWhileOpen;

  private:
    std::function<void(CCardDemoDlg&)> close_;
    QTimer timer_;
};

class AppShell : public ::testing::Test {
  protected:
    void SetUp() override {
        SetMessageBoxRunner([](QMessageBox&) {});
    }
    void TearDown() override {
        SetMessageBoxRunner({});
        qApp->setStyleSheet(QString());
    }
};

}  // namespace

TEST_F(AppShell, SkinBeforeTheConsoleRemovedOnceAfterItHowEverItCloses) {
    const std::pair<const char*, std::function<void(CCardDemoDlg&)>> ways[] = {
        {"Escape", [](CCardDemoDlg& c) { QTest::keyClick(&c, Qt::Key_Escape); }},
        {"Enter", [](CCardDemoDlg& c) { QTest::keyClick(&c, Qt::Key_Return); }},
        {"close button", [](CCardDemoDlg& c) { c.close(); }},
        {"refused Enter, then Escape",
         [](CCardDemoDlg& c) {
             FindControl<QLineEdit>(c, IDC_COUNT)->setText("0");
             QTest::keyClick(&c, Qt::Key_Return);
             EXPECT_TRUE(c.isVisible());
             QTest::keyClick(&c, Qt::Key_Escape);
         }},
    };
    for (const auto& [name, close] : ways) {
        SCOPED_TRACE(name);
        CountingSkin skin;
        ConsoleCloser closer(close);
        CCardDemoApp app(skin);
        EXPECT_EQ(app.Run(), 0);
        EXPECT_TRUE(closer.sawConsole);
        EXPECT_EQ(skin.loadedFiles, std::vector<QString>{"dogmax.ssk"});
        EXPECT_EQ(skin.consolesAtLoad, 0);
        EXPECT_EQ(skin.removals, 1);
        EXPECT_EQ(skin.consolesAtRemove, 0);
    }
}

// The console as the program runs it, in a process of its own that the next test starts:
// a read on the port named in CONSOLE_TEST_PORT, waiting for a card.
TEST_F(AppShell, DISABLED_ReadsInAProcessOfItsOwn) {
    CountingSkin skin;
    ConsoleCloser reader([](CCardDemoDlg& console) {
        FindControl<QComboBox>(console, IDC_PORT)
            ->setEditText(qEnvironmentVariable("CONSOLE_TEST_PORT"));
        FindControl<QPushButton>(console, IDC_TOGGLE_TRACK2)->click();
        FindControl<QPushButton>(console, IDC_RUN)->click();
    });
    CCardDemoApp app(skin);
    EXPECT_EQ(app.Run(), 0);
}

TEST_F(AppShell, SigtermDuringAReadResetsTheDeviceThenEnds) {
    CardsimProcess sim({"--swipe-ms", "600000"}, ProfileText());
    TempDir config;
    std::filesystem::create_directory(config / "carddemo");
    WriteFile(config / "carddemo" / "QXProduct.ini", ProfileText());
    setenv("CONSOLE_TEST_PORT", sim.PortPath().c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    ProgramProcess console(QCoreApplication::applicationFilePath().toStdString(),
                           {"--gtest_filter=AppShell.DISABLED_ReadsInAProcessOfItsOwn",
                            "--gtest_also_run_disabled_tests"});
    unsetenv("CONSOLE_TEST_PORT");
    unsetenv("XDG_CONFIG_HOME");
    const std::string readCommand = Hex("1b 72 32");
    ASSERT_TRUE(WaitFor([&] { return sim.Received().ends_with(readCommand); })) << sim.Received();
    console.Signal(SIGTERM);
    EXPECT_EQ(console.Wait(), 0) << console.Out();
    EXPECT_TRUE(sim.Received().ends_with(readCommand + kSoftReset)) << sim.Received();
}

TEST_F(AppShell, ConsoleOpensWithoutASkinFile) {
    TempDir emptyFolder;
    StyleSheetSkin skin(*qApp, emptyFolder.Path());
    ConsoleCloser closer([](CCardDemoDlg& c) { c.reject(); });
    CCardDemoApp app(skin);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(closer.sawConsole);
    EXPECT_TRUE(closer.styleSheetWhileOpen.isEmpty());
}

TEST_F(AppShell, SampleSkinIsAppliedWhileTheConsoleRunsAndRemovedAfter) {
    StyleSheetSkin skin(*qApp, CARD_BIN_DIR);
    ConsoleCloser closer([](CCardDemoDlg& c) { c.reject(); });
    CCardDemoApp app(skin);
    app.Run();
    EXPECT_TRUE(closer.styleSheetWhileOpen.contains("QPushButton:checked"));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

TEST(StyleSheetSkin, OnlyAReadableUtf8StyleSheetChangesTheLook) {
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        bool applied;
    };
    const Case cases[] = {
        {"missing", [](const std::filesystem::path&) {}, false},
        {"a folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); },
         false},
        {"empty", [](const std::filesystem::path& p) { WriteFile(p, ""); }, false},
        {"not UTF-8",
         [](const std::filesystem::path& p) { WriteFile(p, "QLabel { color: \xff\xfe; }"); },
         false},
        {"style sheet",
         [](const std::filesystem::path& p) { WriteFile(p, "QLabel { color: red; }"); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir folder;
        c.make(folder / "dogmax.ssk");
        qApp->setStyleSheet("QWidget {}");
        StyleSheetSkin skin(*qApp, folder.Path());
        skin.Load("dogmax.ssk");
        EXPECT_EQ(qApp->styleSheet(), c.applied ? "QLabel { color: red; }" : "QWidget {}");
        skin.Remove();
        EXPECT_TRUE(qApp->styleSheet().isEmpty());
    }
}

// The console program itself, started with and without arguments: each one comes up and
// stays up until it is closed, and none says anything.
TEST(ConsoleProgram, StartsTheSameWhateverTheArguments) {
    const QStringList argumentSets[] = {
        {}, {"card.txt"}, {"/help", "-x", "--version"}, {"--", "a file with spaces.ini"}};
    std::vector<std::unique_ptr<QProcess>> programs;
    for (const QStringList& arguments : argumentSets) {
        auto program = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program->setProcessEnvironment(environment);
        program->start(CARDDEMO_PATH, arguments);
        ASSERT_TRUE(program->waitForStarted(5000));
        programs.push_back(std::move(program));
    }
    QTest::qWait(1500);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        SCOPED_TRACE(argumentSets[i].join(' ').toStdString());
        QProcess& program = *programs[i];
        EXPECT_EQ(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished(5000);
        EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
    }
}

TEST(QtChineseTexts, QtsOwnTextsInTheWindowHaveNoEnglishWord) {
    const QtChineseTexts texts;
    ASSERT_TRUE(texts.Installed());
    QStringList shown;
    QPlainTextEdit log;
    const std::unique_ptr<QMenu> menu(log.createStandardContextMenu());
    for (QAction* action : menu->actions()) shown << action->text();
    QMessageBox box(QMessageBox::NoIcon, "", "", QMessageBox::Ok | QMessageBox::Cancel);
    for (QAbstractButton* button : box.buttons()) shown << button->text();
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    for (auto* label : dialog.findChildren<QLabel*>()) shown << label->text();
    for (auto* button : dialog.findChildren<QAbstractButton*>()) {
        shown << button->text() << button->toolTip();
    }
    for (auto* view : dialog.findChildren<QAbstractItemView*>()) {
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            shown << view->model()->headerData(column, Qt::Horizontal).toString();
        }
    }
    // Shortcuts beside menu entries and mnemonics aside.
    const QString words = shown.join(" | ").remove(QRegularExpression("\t[^|]*|\\(?&[A-Za-z]\\)?"));
    EXPECT_FALSE(words.contains(QRegularExpression("[A-Za-z]{2,}"))) << words.toStdString();
}

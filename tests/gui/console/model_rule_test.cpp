// The device model's rule, the track toggles and the read/write toggles.
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <array>

#include "console_fixture.h"

namespace {

// The fourteen controls a model decides on, in the columns of the rule below.
constexpr std::array<int, 14> kRuleControls{
    IDC_TOGGLE_TRACK1,  IDC_TOGGLE_TRACK2,    IDC_TOGGLE_TRACK3, IDC_TOGGLE_TRACK12,
    IDC_TOGGLE_TRACK23, IDC_TRACK1_TEXT,      IDC_TRACK2_TEXT,   IDC_TRACK3_TEXT,
    IDC_TRACK1_START,   IDC_TRACK1_INCREMENT, IDC_TRACK2_START,  IDC_TRACK2_INCREMENT,
    IDC_TRACK3_START,   IDC_TRACK3_INCREMENT};

struct ModelCase {
    int index;
    const char* name;
    std::array<bool, 14> enabled;
};

// 1轨 2轨 3轨 1&&2轨 2&&3轨 | track-1, -2, -3 box | 1037 1038 | 1039 1040 | 1041 1042
const ModelCase kModels[] = {
    {0, "KX100", {1, 0, 0, 0, 0, /**/ 1, 0, 0, /**/ 1, 1, 0, 0, 0, 0}},
    {1, "KX200", {0, 1, 0, 0, 0, /**/ 0, 1, 0, /**/ 0, 0, 1, 1, 0, 0}},
    {2, "KX300", {0, 0, 1, 0, 0, /**/ 0, 0, 1, /**/ 0, 0, 0, 0, 1, 1}},
    {3, "KX400", {1, 1, 0, 1, 0, /**/ 1, 1, 0, /**/ 1, 1, 1, 1, 0, 0}},
    {4, "KX500", {0, 1, 1, 0, 1, /**/ 0, 1, 1, /**/ 0, 0, 1, 1, 1, 1}},
};

}  // namespace

class ModelRule : public ConsoleTest {
  protected:
    std::array<bool, 14> EnabledStates() {
        std::array<bool, 14> states{};
        for (std::size_t i = 0; i < kRuleControls.size(); ++i) {
            states[i] = Ctl<QWidget>(kRuleControls[i])->isEnabled();
        }
        return states;
    }
    int CheckedToggles() {
        int checked = 0;
        for (std::size_t i = 0; i < 5; ++i) checked += Button(kRuleControls[i])->isChecked();
        return checked;
    }
};

TEST_F(ModelRule, EachModelEnablesItsTracksAndUnchecksEveryToggle) {
    // Every model is reached from each other one, with an allowed toggle checked before.
    for (const ModelCase& from : kModels) {
        for (const ModelCase& to : kModels) {
            if (from.index == to.index) continue;
            SCOPED_TRACE(std::string(from.name) + " -> " + to.name);
            ChooseModel(from.index);
            const auto allowed = std::find(from.enabled.begin(), from.enabled.begin() + 5, true);
            Click(kRuleControls[static_cast<std::size_t>(allowed - from.enabled.begin())]);
            ASSERT_EQ(CheckedToggles(), 1);
            ChooseModel(to.index);
            EXPECT_EQ(EnabledStates(), to.enabled);
            EXPECT_EQ(CheckedToggles(), 0);
            EXPECT_EQ(Combo(IDC_MODEL)->currentText(), to.name);
        }
    }
}

TEST_F(ModelRule, RuleNeverChecksOrUnchecksAToggle) {
    for (const ModelCase& model : kModels) {
        SCOPED_TRACE(model.name);
        Combo(IDC_MODEL)->setCurrentIndex(model.index);
        for (int id : kRuleControls) {
            if (auto* toggle = qobject_cast<QPushButton*>(Ctl<QWidget>(id))) {
                toggle->setChecked(false);
            }
        }
        Dlg().ApplyModelRule();
        EXPECT_EQ(CheckedToggles(), 0);
        Button(IDC_TOGGLE_TRACK3)->setChecked(true);
        Dlg().ApplyModelRule();
        EXPECT_TRUE(Button(IDC_TOGGLE_TRACK3)->isChecked());
        EXPECT_EQ(EnabledStates(), model.enabled);
    }
}

TEST_F(ModelRule, NoModelSelectedChangesNothing) {
    for (int id : kRuleControls) Ctl<QWidget>(id)->setEnabled(id % 2 == 0);
    const auto before = EnabledStates();
    Combo(IDC_MODEL)->setCurrentIndex(-1);
    Dlg().ApplyModelRule();
    EXPECT_EQ(EnabledStates(), before);
}

TEST_F(ModelRule, TypedModelNameIsNoSelectionChange) {
    QComboBox* model = Combo(IDC_MODEL);
    model->setFocus();
    model->lineEdit()->selectAll();
    QTest::keyClicks(model, "KX100");
    QTest::keyClick(model, Qt::Key_Tab);
    EXPECT_EQ(EnabledStates(), kModels[4].enabled);
    EXPECT_EQ(model->count(), 5);
}

using TrackToggles = ConsoleTest;

TEST_F(TrackToggles, ExactlyTheClickedToggleIsChecked) {
    ChooseModel(3);  // KX400 allows 1轨, 2轨 and 1&&2轨
    struct Step {
        int click;
        int checked;
    };
    const Step steps[] = {{IDC_TOGGLE_TRACK1, IDC_TOGGLE_TRACK1},
                          {IDC_TOGGLE_TRACK12, IDC_TOGGLE_TRACK12},
                          {IDC_TOGGLE_TRACK12, IDC_TOGGLE_TRACK12},  // a checked one stays
                          {IDC_TOGGLE_TRACK2, IDC_TOGGLE_TRACK2},
                          {IDC_TOGGLE_TRACK2, IDC_TOGGLE_TRACK2}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.click);
        Click(step.click);
        for (int id : {IDC_TOGGLE_TRACK1, IDC_TOGGLE_TRACK2, IDC_TOGGLE_TRACK3, IDC_TOGGLE_TRACK12,
                       IDC_TOGGLE_TRACK23}) {
            EXPECT_EQ(Button(id)->isChecked(), id == step.checked) << id;
        }
    }
    // The toggles choose; the job's track selection is made only when a job starts.
    EXPECT_EQ(Dlg().Job().Tracks, NoTrack);
}

TEST_F(TrackToggles, SpaceOnAFocusedToggleChoosesItToo) {
    Button(IDC_TOGGLE_TRACK23)->setFocus();
    QTest::keyClick(Button(IDC_TOGGLE_TRACK23), Qt::Key_Space);
    EXPECT_TRUE(Button(IDC_TOGGLE_TRACK23)->isChecked());
    Click(IDC_TOGGLE_TRACK3);
    EXPECT_FALSE(Button(IDC_TOGGLE_TRACK23)->isChecked());
}

using ReadWriteMode = ConsoleTest;

TEST_F(ReadWriteMode, ClickedModeIsCheckedAndSetsTheJobMode) {
    struct Step {
        int click;
        bool readChecked;
        int mode;
    };
    const Step steps[] = {{IDC_WRITE_MODE, false, 0},
                          {IDC_WRITE_MODE, false, 0},
                          {IDC_READ_MODE, true, 1},
                          {IDC_READ_MODE, true, 1},
                          {IDC_WRITE_MODE, false, 0}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.click);
        Click(step.click);
        EXPECT_EQ(Button(IDC_READ_MODE)->isChecked(), step.readChecked);
        EXPECT_EQ(Button(IDC_WRITE_MODE)->isChecked(), !step.readChecked);
        EXPECT_EQ(Dlg().Job().Mode, step.mode);
    }
}

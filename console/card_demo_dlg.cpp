#include "card_demo_dlg.h"

#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

#include "console_dialog.h"
#include "console_texts.h"
#include "drop_down_combo.h"
#include "gbk.h"
#include "hid_ports.h"
#include "ini_file.h"
#include "link_factory.h"
#include "message_box.h"
#include "model_rule.h"
#include "port_box.h"
#include "port_name.h"
#include "track_hints.h"
#include "track_text_box.h"
#include "window_console.h"

namespace {

// Caption, system menu, minimise and close; no maximise; above other windows.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;

// The big font's character cell height, in pixels at 96 dpi.
constexpr int kBigFontCellHeight = 24;

struct StartItem {
    int id;
    const char* text;
};

// In the order they are selected at start.
constexpr std::array<StartItem, 9> kStartItems{{
    {IDC_MODEL, "KX500"},
    {IDC_DENSITY, "2轨低密"},
    {IDC_FORMAT, "ISO"},
    {IDC_COERCIVITY, "低抗"},
    {IDC_PORT, "COM1"},
    {IDC_BAUD, "9600"},
    {IDC_PARITY, "N"},
    {IDC_DATA_BITS, "8"},
    {IDC_STOP_BITS, "1"},
}};

// What a model allows is settled by ApplyModelRule; these are the start model's
// exceptions to the template, where every control is enabled.
constexpr std::array<int, 6> kDisabledAtStart{IDC_STOP,           IDC_TOGGLE_TRACK1,
                                              IDC_TOGGLE_TRACK12, IDC_TRACK1_TEXT,
                                              IDC_TRACK1_START,   IDC_TRACK1_INCREMENT};
constexpr std::array<int, 4> kEnabledAtStart{IDC_TRACK2_START, IDC_TRACK2_INCREMENT,
                                             IDC_TRACK3_START, IDC_TRACK3_INCREMENT};

// The names the port box always offers: those of the template, or on USB HID the first
// encoder's, whether one is plugged in or not.
QStringList FixedPortNames(const LinkKeys& link) {
    if (link.link == LinkKeys::Link::Hid) return {QString::fromUtf8(kFirstHidPort)};
    QStringList names;
    for (const ComboList& list : kConsoleComboLists) {
        if (list.id != IDC_PORT) continue;
        for (const char* item : list.items) names << QString::fromUtf8(item);
    }
    return names;
}

QIcon ConsoleIcon() {
    QIcon icon;
    for (const char* image : kConsoleIconImages) icon.addFile(QString::fromUtf8(image));
    return icon;
}

// The pixel size at which the font's lines are as tall as the cell, as a font asked for
// by its cell height is made.
int PixelSizeForCell(QFont font, int cellPixels) {
    int size = cellPixels;
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > cellPixels) font.setPixelSize(--size);
    return size;
}

// The big font is taller than the room between a count label and the track box beneath
// it, so a label reaches over its box's frame. Its text is drawn from the bottom up
// instead, the lowest ink of its glyphs a pixel above the frame; the font's empty descent
// goes below the frame and its empty top, where room is short, above the label. The label
// keeps its place and size.
void KeepTextAbove(QLabel& label, const QWidget& box) {
    const QFontMetrics metrics(label.font());
    const int inkBelowBaseline = metrics.tightBoundingRect(label.text()).bottom();
    const int baseline = box.geometry().top() - 2 - inkBelowBaseline;
    const int textBottom = baseline + metrics.descent() - 1;
    label.setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label.setContentsMargins(0, 0, 0, std::max(0, label.geometry().bottom() - textBottom));
}

}  // namespace

CCardDemoDlg::CCardDemoDlg(QWidget* parent, const std::filesystem::path& profilePath)
    : QDialog(parent, kWindowFlags) {
    OnInitDialog(profilePath);
}

CCardDemoDlg::~CCardDemoDlg() {
    EndJobBeforeDestruction();
}

void CCardDemoDlg::OnInitDialog(const std::filesystem::path& profilePath) {
    BuildDialog(*this, kConsoleDialog);
    caption_ = windowTitle();
    FillComboLists();
    logView_ = Control<LogView>(IDC_LOG);
    ConnectHandlers();
    windowConsole_ = std::make_unique<WindowConsole>(
        *this, WindowConsole::Handlers{
                   [this](uint32_t message) { OnJobMessage(message); },
                   [this] { return TrackTextsForJob(); },
                   [this](const std::string& gbkText) {
                       ShowMessageBox(this, GbkScreenDecoder().Decode(gbkText));
                   },
                   [this](const Console::Silence& silence) { OnDeviceSilence(silence); }});
    UpdateData(false);

    CreateSystemMenu();
    setWindowIcon(ConsoleIcon());

    ClearCommandSlots(job_.Profile);
    job_.Mode = 1;
    job_.Tracks = NoTrack;
    job_.StopFlag = 0;

    SelectStartItems();
    AttachTrackHints();
    SetBigFont();

    const IniFile profile = IniFile::Load(profilePath);
    ChooseLink(LoadProtocolSettings(profile).link);
    LoadProfileLimits(job_.Profile, profile);
    TrackBox(1)->SetByteLimit(job_.Profile.Tack2Lower);
    TrackBox(2)->SetByteLimit(job_.Profile.Tack2High);
    TrackBox(0)->SetByteLimit(job_.Profile.Tack1Num);

    Control<QPushButton>(IDC_READ_MODE)->setChecked(true);
    for (int id : kDisabledAtStart) Control<QWidget>(id)->setEnabled(false);
    for (int id : kEnabledAtStart) Control<QWidget>(id)->setEnabled(true);

    LoadCommandStrings(job_.Profile, profile);
    LoadProtocolSection(job_.Profile, profile);
    Control<QComboBox>(IDC_MODEL)->setFocus();
}

void CCardDemoDlg::FillComboLists() {
    for (const ComboList& list : kConsoleComboLists) {
        auto* combo = Control<QComboBox>(list.id);
        for (const char* item : list.items)
            AddSortedItem(*combo, QString::fromUtf8(item), TemplateText(item));
    }
    // Besides COM1 to COM4, the ports this machine has, each once.
    FillPortList(*Control<QComboBox>(IDC_PORT), FixedPortNames(job_.Profile.Protocol.link),
                 OfferedPorts(SystemPortsFound()));
}

void CCardDemoDlg::ChooseLink(const LinkKeys& link) {
    job_.Profile.Protocol.link = link;
    if (link.link != LinkKeys::Link::Hid) return;
    auto* box = Control<QComboBox>(IDC_PORT);
    OnPortListOpening();
    box->setCurrentIndex(box->findText(QString::fromUtf8(kFirstHidPort), Qt::MatchExactly));
}

void CCardDemoDlg::OnPortListOpening() {
    // The machine's ports now: an adapter plugged in since, or a simulator started, is
    // there to choose.
    const LinkKeys& link = job_.Profile.Protocol.link;
    const bool hid = link.link == LinkKeys::Link::Hid;
    const std::vector<FoundPort> found = PortsToOffer(link, DefaultPortsDirectory());
    std::vector<OfferedPort> ports = OfferedPorts(found, hid);
    // HID1 is no name of a system port to fall back on.
    if (!hid) {
        for (OfferedPort& fallback :
             FallbackPorts(FixedPortNames(link), found, DefaultPortsDirectory()))
            ports.push_back(std::move(fallback));
    }
    FillPortList(*Control<QComboBox>(IDC_PORT), FixedPortNames(link), ports);
}

void CCardDemoDlg::SelectStartItems() {
    // Programmatic selections: the selection handlers answer the operator only.
    for (const StartItem& item : kStartItems) {
        auto* combo = Control<QComboBox>(item.id);
        combo->setCurrentIndex(combo->findText(TemplateText(item.text), Qt::MatchExactly));
    }
}

void CCardDemoDlg::AttachTrackHints() {
    for (std::size_t track = 0; track < kTracks.size(); ++track) {
        trackHints_[track] = new TrackHints(*TrackBox(track), kTracks[track].number);
    }
    // Any change of the format counts, the program's too: the hints follow what is shown.
    auto* format = Control<QComboBox>(IDC_FORMAT);
    auto follow = [this, format] {
        for (TrackHints* hints : trackHints_) hints->SetActive(format->currentIndex() == 1);
    };
    connect(format, &QComboBox::currentIndexChanged, this, follow);
    follow();
}

void CCardDemoDlg::SetBigFont() {
    bigFont_ = TrackBox(1)->font();
    bigFont_.setBold(true);
    bigFont_.setPixelSize(
        PixelSizeForCell(bigFont_, PixelsAtDpi(kBigFontCellHeight, logicalDpiY())));
    for (int id : {IDC_TRACK2_TEXT, IDC_TRACK3_TEXT, IDC_TRACK1_TEXT, IDC_LOG}) {
        Control<QWidget>(id)->setFont(bigFont_);
    }
    Control<QWidget>(IDC_LOG)->hide();
    for (int id : {IDC_TRACK2_COUNT, IDC_TRACK3_COUNT, IDC_TRACK1_COUNT}) {
        auto* label = Control<QLabel>(id);
        label->setFont(bigFont_);
        FitHeightToFont(*label);
    }
    for (const TrackControls& track : kTracks) {
        KeepTextAbove(*Control<QLabel>(track.countLabel), *Control<QWidget>(track.textBox));
    }
}

void CCardDemoDlg::ConnectHandlers() {
    connect(Control<QPushButton>(IDC_READ_MODE), &QPushButton::clicked, this,
            &CCardDemoDlg::OnReadMode);
    connect(Control<QPushButton>(IDC_WRITE_MODE), &QPushButton::clicked, this,
            &CCardDemoDlg::OnWriteMode);
    for (std::size_t track = 0; track < kTracks.size(); ++track) {
        connect(TrackBox(track), &QPlainTextEdit::textChanged, this,
                [this, track] { OnTrackTextChanged(track); });
    }
    // Only the operator's choices count as selection changes, not the program's.
    connect(Control<QComboBox>(IDC_DENSITY), &QComboBox::activated, this,
            &CCardDemoDlg::OnDensityChanged);
    connect(Control<QComboBox>(IDC_MODEL), &QComboBox::activated, this,
            &CCardDemoDlg::OnModelChanged);
    for (int id : kTrackToggles) {
        auto* toggle = Control<QPushButton>(id);
        connect(toggle, &QPushButton::clicked, this, [this, toggle] { OnTrackToggle(toggle); });
    }
    connect(Control<DropDownCombo>(IDC_PORT), &DropDownCombo::listAboutToOpen, this,
            &CCardDemoDlg::OnPortListOpening);
    connect(Control<QPushButton>(IDC_RUN), &QPushButton::clicked, this, &CCardDemoDlg::RunJob);
    connect(Control<QPushButton>(IDC_STOP), &QPushButton::clicked, this, &CCardDemoDlg::StopJob);
}

TrackTextBox* CCardDemoDlg::TrackBox(std::size_t track) const {
    return Control<TrackTextBox>(kTracks[track].textBox);
}

void CCardDemoDlg::keyPressEvent(QKeyEvent* event) {
    // A focused push button has taken its Enter before it gets here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        OnOK();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CCardDemoDlg::OnOK() {
    // While a job runs its fields are the worker's; the boxes are locked anyway.
    if (jobRunning_ || UpdateData(true)) accept();
}

void CCardDemoDlg::OnReadMode() {
    Control<QPushButton>(IDC_READ_MODE)->setChecked(true);
    Control<QPushButton>(IDC_WRITE_MODE)->setChecked(false);
    job_.Mode = 1;
    UpdateCommandStates();
}

void CCardDemoDlg::OnWriteMode() {
    Control<QPushButton>(IDC_READ_MODE)->setChecked(false);
    Control<QPushButton>(IDC_WRITE_MODE)->setChecked(true);
    job_.Mode = 0;
    UpdateCommandStates();
}

void CCardDemoDlg::OnTrackTextChanged(std::size_t track) {
    Control<QLabel>(kTracks[track].countLabel)
        ->setText(ConsoleTexts::TrackCount(kTracks[track].number, TrackBox(track)->ByteLength()));
}

void CCardDemoDlg::OnDensityChanged() {
    const bool low = Control<QComboBox>(IDC_DENSITY)->currentIndex() == 0;
    TrackBox(1)->SetByteLimit(low ? job_.Profile.Tack2Lower : job_.Profile.Tack2High);
}

void CCardDemoDlg::OnTrackToggle(QPushButton* clicked) {
    for (int id : kTrackToggles) {
        auto* toggle = Control<QPushButton>(id);
        toggle->setChecked(toggle == clicked);
    }
}

void CCardDemoDlg::OnModelChanged() {
    for (int id : kTrackToggles) Control<QPushButton>(id)->setChecked(false);
    ApplyModelRule();
}

void CCardDemoDlg::ApplyModelRule() {
    const ModelRule* rule = ModelRuleAt(Control<QComboBox>(IDC_MODEL)->currentIndex());
    if (rule == nullptr) return;
    for (std::size_t i = 0; i < kTrackToggles.size(); ++i) {
        Control<QWidget>(kTrackToggles[i])->setEnabled(rule->toggles[i]);
    }
    for (std::size_t i = 0; i < kTracks.size(); ++i) {
        for (int id : {kTracks[i].textBox, kTracks[i].start, kTracks[i].increment}) {
            Control<QWidget>(id)->setEnabled(rule->tracks[i]);
        }
    }
}

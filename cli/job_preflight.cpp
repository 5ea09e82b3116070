#include "job_preflight.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "card_check.h"
#include "card_texts.h"
#include "cardctl_text.h"
#include "device_family.h"
#include "exit_status.h"
#include "gbk.h"
#include "job_fill.h"
#include "job_records.h"
#include "key_gaps.h"
#include "link_factory.h"
#include "profile_file.h"
#include "text_checks.h"
#include "written_cards.h"

namespace {

// The keys each of the command's jobs cannot start without refuse the command, as the
// engine would refuse the job; the keys it can do without are warned about. A key only
// --verify needs makes the option the bad input.
std::optional<int> CheckCommands(const CliOptions& options, const std::filesystem::path& path,
                                 const DeviceProfile& profile, CliOutput& output) {
    std::vector<KeyGap> warnings;
    for (const int mode : JobModesOf(options.command)) {
        CardJob job;
        FillJob(job, options, profile, mode);
        for (const KeyGap& gap : GapsForJob(job)) {
            if (!gap.refused) {
                warnings.push_back(gap);
                continue;
            }
            job.Verify = 0;
            const std::vector<KeyGap> without = GapsForJob(job);
            const bool verifyOnly = std::none_of(without.begin(), without.end(), [&](const KeyGap& other) {
                return other.key == gap.key;
            });
            if (verifyOnly) {
                output.Error(CardctlLine(
                    CardctlText::tr("--verify reads each card back, but the profile %1 "
                                    "leaves %2 empty, so no card can be read; add %2=0x.. "
                                    "under [Command], or leave out --verify"),
                    {path.string(), gap.key}));
                return kExitBadInput;
            }
            output.Error(
                CardctlLine(CardctlText::tr("the profile %1 leaves %2 empty, so %3 %4; add %2=0x.. "
                                            "with the device's bytes under [Command]"),
                            {path.string(), gap.key, gap.jobs, gap.consequence}));
            return kExitDeviceFailure;
        }
        // What else the family cannot do: an erase without an erase command, a format it
        // does not write.
        if (const std::string refusal = ChecksOf(profile).Refusal(job); !refusal.empty()) {
            output.Error("cardctl: " + GbkToUtf8(refusal.substr(0, refusal.find('\r'))));
            return options.command == CliCommand::Erase ? kExitDeviceFailure : kExitBadInput;
        }
    }
    for (const KeyGap& gap : warnings)
        output.Message(CardctlLine(CardctlText::tr("warning: %1"), {gap.Warning()}));
    return std::nullopt;
}

std::optional<int> CheckTexts(const CliOptions& options, const DeviceProfile& profile,
                              CliOutput& output, TrackTexts& texts) {
    CheckedTexts checked;
    if (options.command == CliCommand::Write) checked = CheckWriteTexts(options, profile);
    if (options.command == CliCommand::Run) {
        CardJob job;
        FillJob(job, options, profile, 0);
        checked = CheckRunTexts(options, job);
    }
    if (!checked.error.empty()) {
        output.Error(checked.error);
        return kExitBadInput;
    }
    texts = std::move(checked.gbk);
    return std::nullopt;
}

// --resume: the cards the journal shows written are left out. A confirmed card that no row
// is left for means the journal belongs to another list: nothing is sent then. A journal
// not there yet is a first run, so that one command line serves it and every rerun.
std::optional<int> LeaveOutJournalled(const CliOptions& options, CliOutput& output,
                                      std::vector<ListCard>& cards) {
    if (options.resumePath.isEmpty()) return std::nullopt;
    if (!QFileInfo::exists(options.resumePath)) {
        output.Error(CardctlLine(
            CardctlText::tr(
                "--resume %1: no such journal yet; writing the list from its first card"),
            {options.resumePath.toStdString()}));
        return std::nullopt;
    }
    const ConfirmedCardsResult journal = ReadConfirmedCards(options.resumePath);
    if (!journal.error.empty()) {
        output.Error(CardctlLine(CardctlText::tr("--resume %1"), {journal.error}));
        return kExitBadInput;
    }
    ResumedList resumed =
        LeaveOutWritten(cards, *options.job.tracks, journal.cards, journal.unsure);
    const std::string listName = options.listPath.toStdString();
    const std::string journalName = options.resumePath.toStdString();
    for (std::size_t i = 0; i < resumed.unmatched.size() && i < kMaxListErrors; ++i) {
        output.Error(journalName + ":" + std::to_string(resumed.unmatched[i].line) + ": " +
                     CardTexts::WrittenCardNotInList(listName));
    }
    if (!resumed.unmatched.empty()) return kExitBadInput;
    for (const ConfirmedCard& card : resumed.unsure) {
        output.Error(journalName + ":" + std::to_string(card.line) + ": " +
                     CardTexts::MayBeWritten(card.card, card.tracks, card.gbk));
    }
    if (!resumed.unsure.empty() && !options.rewriteUnsure) {
        output.Error(CardctlLine(
            CardctlText::tr("the job ended while that card was out; look at the card: "
                            "when it holds its texts, take its row out of the list, else "
                            "add --rewrite-unsure to write it again. Nothing was sent")));
        return kExitBadInput;
    }
    output.Message(CardctlLine(CardctlText::tr("%1 of %2 cards are in the journal; %3 to write"),
                               {std::to_string(resumed.skipped), std::to_string(cards.size()),
                                std::to_string(resumed.remaining.size())}));
    cards = std::move(resumed.remaining);
    return std::nullopt;
}

// The whole list is checked before the first card, as the window checks it.
std::optional<int> ReadList(const CliOptions& options, const DeviceProfile& profile,
                            CliOutput& output, PreparedJob& prepared) {
    if (options.command != CliCommand::Batch) return std::nullopt;
    CardListResult list = ReadCardList(options.listPath, *options.job.tracks,
                                       TrackLimitsFor(profile, options.job.lowDensity));
    if (list.errors.empty()) {
        prepared.cards = std::move(list.cards);
        prepared.listSize = static_cast<int>(prepared.cards.size());
        return LeaveOutJournalled(options, output, prepared.cards);
    }
    for (const std::string& error : list.errors) output.Error(error);
    return kExitBadInput;
}

// The records file is written at the end; a folder it cannot go into is found now.
std::optional<int> CheckRecordsFolder(const CliOptions& options, CliOutput& output) {
    if (options.recordsPath.isEmpty()) return std::nullopt;
    const QFileInfo folder(QFileInfo(options.recordsPath).absolutePath());
    if (folder.isDir() && folder.isWritable()) return std::nullopt;
    output.Error(CardctlLine(
        CardctlText::tr(
            "--records %1: cannot write into %2; name a file in a folder you can write to"),
        {options.recordsPath.toStdString(), folder.filePath().toStdString()}));
    return kExitBadInput;
}

// Opens and closes the port the way the job will, so a port that is missing, busy or
// forbidden is reported with the system's reason before the job starts.
std::optional<int> CheckPort(const CliOptions& options, const DeviceProfile& profile,
                             const SerialTimeouts& timeouts, CliOutput& output) {
    const std::string portName = JobPortName(options.job, profile);
    const auto link = MakeDeviceLink(profile.Protocol.link, portName, options.job.lineSettings, timeouts);
    link->Open();
    const bool opened = link->IsOpen();
    link->Close();
    if (opened) return std::nullopt;
    output.Error(CardctlLine(
        CardctlText::tr("cannot open the port %1: %2; name the device's port with --port "
                        "(cardctl ports lists them)"),
        {portName, link->FailureReason()}));
    return kExitDeviceFailure;
}

}  // namespace

std::optional<int> PrepareJob(const CliOptions& options, const SerialTimeouts& timeouts,
                              CliOutput& output, PreparedJob& prepared) {
    const std::filesystem::path path = ProfilePathFor(options.profilePath);
    if (auto error = LoadProfileFile(path, prepared.profile)) {
        output.Error(*error);
        return kExitDeviceFailure;
    }
    if (auto status = CheckCommands(options, path, prepared.profile, output)) return status;
    if (auto status = CheckTexts(options, prepared.profile, output, prepared.texts)) return status;
    if (auto status = ReadList(options, prepared.profile, output, prepared)) return status;
    if (auto status = CheckRecordsFolder(options, output)) return status;
    if (auto status = CheckPort(options, prepared.profile, timeouts, output)) return status;
    if (!options.journalPath.isEmpty()) {
        std::string error;
        bool notAJournal = false;
        prepared.journal = Journal::Open(options.journalPath, error, &notAJournal);
        if (!prepared.journal) {
            output.Error(CardctlLine(CardctlText::tr("--journal %1; nothing was sent"), {error}));
            return notAJournal ? kExitBadInput : kExitOutputFailed;
        }
    }
    if (!options.logPath.isEmpty()) {
        std::string error;
        prepared.log = LogFile::Create(options.logPath, options.logUtf8, error);
        if (!prepared.log) {
            output.Error(error);
            return kExitBadInput;
        }
    }
    return std::nullopt;
}

#include "card_texts.h"

#include <QCoreApplication>

#include "gbk.h"

namespace CardTexts {
namespace {

// The texts are written in Chinese and given in the operator's language.
struct CardText {
    Q_DECLARE_TR_FUNCTIONS(CardText)
};

QString Track(int track) {
    return CardText::tr("%1轨").arg(track);
}

QString Column(int track) {
    return QStringLiteral("track%1").arg(track);
}

// 99980 as "99,980".
QString WithThousands(std::size_t count) {
    const std::string digits = std::to_string(count);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return QString::fromStdString(grouped);
}

}  // namespace

std::string CannotRead(std::string_view reason) {
    return CardText::tr("无法读取文件：%1").arg(QString::fromUtf8(reason)).toStdString();
}

std::string FileTooLarge(std::size_t limitBytes) {
    return CardText::tr("文件太大（超过%1 MB）").arg(limitBytes / (1024 * 1024)).toStdString();
}

std::string NotAJournal() {
    return CardText::tr("不是作业记录文件：第一行应为作业记录的CSV表头").toStdString();
}

std::string WrittenCardNotInList(std::string_view listName) {
    return CardText::tr("这张已写入的卡不在列表%1中（或多于列表中的同样的卡）")
        .arg(QString::fromUtf8(listName))
        .toStdString();
}

std::string MayBeWritten(int card, TrackSet tracks,
                         const std::array<std::string, kTrackCount>& gbk) {
    QString text = CardText::tr("卡%1可能已写入，请检查：").arg(card);
    QString between;
    for (int track = 1; track <= kTrackCount; ++track) {
        if (!HasTrack(tracks, track)) continue;
        text += between + Track(track) + u' ' + GbkToText(gbk[track - 1]);
        between = CardText::tr("，");
    }
    return text.toStdString();
}

std::string EmptyFile() {
    return CardText::tr("文件是空的").toStdString();
}

std::string NoCards() {
    return CardText::tr("列表中没有卡").toStdString();
}

std::string NulByte() {
    return CardText::tr("不是文本文件（含有NUL字节）").toStdString();
}

std::string Utf16() {
    return CardText::tr("是UTF-16文本，请另存为UTF-8").toStdString();
}

std::string Undecodable() {
    return CardText::tr("不是文本文件（既不是UTF-8也不是GBK编码）").toStdString();
}

std::string UnknownHeader() {
    return CardText::tr("表头不明：没有track1、track2或track3列").toStdString();
}

std::string HeaderNeeded(TrackSet tracks) {
    const bool pairWithOne = tracks == TrackSet::Track12;
    const int first = pairWithOne ? 1 : 2;
    return CardText::tr("缺少表头：%1，%2轨的列表第一行须是列名（%3,%4）")
        .arg(QString::number(first), QString::number(first + 1), Column(first), Column(first + 1))
        .toStdString();
}

std::string MissingColumn(int track) {
    return CardText::tr("表头中没有%1列").arg(Column(track)).toStdString();
}

std::string UnselectedColumn(int track, TrackSet selection) {
    // The pair of the chosen track and this one where there is one, else this track alone.
    TrackSet wider = SingleTrack(track);
    for (const TrackSet tracks : kTrackSets) {
        bool covers = HasTrack(tracks, track);
        for (int other = 1; other <= kTrackCount; ++other)
            covers = covers && (!HasTrack(selection, other) || HasTrack(tracks, other));
        if (covers) wider = tracks;
    }
    const QString code = QString::fromUtf8(TrackSetCode(wider));
    QString label;
    for (const QChar digit : code)
        label += (label.isEmpty() ? QString() : QStringLiteral("&")) + digit;
    // No pair holds the chosen tracks and this one: it takes a job of its own.
    const QString how = wider != SingleTrack(track) ? CardText::tr("要写入它，请选%1轨").arg(label)
                                                    : CardText::tr("它须另以%1轨写入").arg(label);
    return CardText::tr("%1列有数据，但所选轨道不写%2：%3（--tracks %4）")
        .arg(Column(track), Track(track), how, code)
        .toStdString();
}

std::string DuplicateColumn(int track) {
    return CardText::tr("表头中%1列出现了不止一次").arg(Column(track)).toStdString();
}

std::string ExtraFields(std::size_t fields, std::size_t columns) {
    return CardText::tr("这一行有%1个字段，表头只有%2列（值中的逗号须加引号）")
        .arg(fields)
        .arg(columns)
        .toStdString();
}

std::string UnclosedQuote() {
    return CardText::tr("引号没有结束").toStdString();
}

std::string TextAfterQuote() {
    return CardText::tr("引号后面有多余的字符").toStdString();
}

std::string LineTooLong(std::size_t limitBytes) {
    return CardText::tr("行太长（超过%1个字节）").arg(limitBytes).toStdString();
}

std::string MissingValue(int track) {
    return CardText::tr("缺少%1数据").arg(Track(track)).toStdString();
}

std::string Unencodable(int track, std::string_view character) {
    return CardText::tr("%1数据中的“%2”无法用GBK编码")
        .arg(Track(track), QString::fromUtf8(character))
        .toStdString();
}

std::string OverLimit(int track, std::size_t bytes, std::size_t limit) {
    return CardText::tr("%1数据%2个字节，超过%3个字节的限制")
        .arg(Track(track), QString::number(bytes), QString::number(limit))
        .toStdString();
}

std::string MoreBadRows(std::size_t count) {
    return CardText::tr("……另有%1行有误").arg(WithThousands(count)).toStdString();
}

std::string MoreBadRecords(std::size_t count) {
    return CardText::tr("……另有%1条记录有误").arg(WithThousands(count)).toStdString();
}

std::string AtRecord(int record) {
    return CardText::tr("第%1条记录：").arg(record).toStdString();
}

std::string ProblemSeparator() {
    return CardText::tr("；").toStdString();
}

std::string NotRecordsJson(std::string_view reason) {
    return CardText::tr("不是导出的JSON作业记录（%1）")
        .arg(QString::fromUtf8(reason))
        .toStdString();
}

std::string NotHex(int track) {
    return CardText::tr("%1_hex不是十六进制数据").arg(Column(track)).toStdString();
}

}  // namespace CardTexts

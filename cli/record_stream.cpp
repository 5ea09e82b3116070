#include "record_stream.h"

#include "record_export.h"

RecordStream::RecordStream(CliOutput& output, bool json) : output_(output), json_(json) {}

void RecordStream::Begin() {
    if (!json_) output_.Records(RecordsCsvHeader());
}

void RecordStream::Update(const CardRecordList& records) {
    std::string text;
    for (; printed_ < records.size(); ++printed_) {
        const CardRecord& record = records[printed_];
        text += json_ ? RecordJsonLine(record) : RecordCsvLine(record);
    }
    if (!text.empty()) output_.Records(text);
}

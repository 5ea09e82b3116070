#pragma once

#include <cstddef>

#include "card_record.h"
#include "cli_output.h"

// Standard output while a job runs: the records as CSV (header first, no byte-order
// mark) or as JSON lines, each card as soon as the job has logged it.
class RecordStream {
  public:
    RecordStream(CliOutput& output, bool json);

    // Prints the CSV header; JSON lines have none.
    void Begin();
    // Prints the records the list gained since the last call.
    void Update(const CardRecordList& records);

  private:
    CliOutput& output_;
    bool json_;
    std::size_t printed_ = 0;
};

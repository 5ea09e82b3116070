#include "soak_job.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

const TrackSelection kTracks[] = {Track2, Track3, Track23};

std::string ReadCommand(TrackSelection tracks) {
    return Hex(tracks == Track2 ? "1b 72 32" : tracks == Track3 ? "1b 72 33" : "1b 72 35");
}

// A card as the device sends it: head, the selection's data layout, tail.
std::string CardReply(TrackSelection tracks) {
    const std::string data = tracks == Track2   ? "6225880123456789"
                             : tracks == Track3 ? "\x01"
                                                  "996104"
                                                : "6225\x1f"
                                                  "9961";
    return Hex("1b 73") + data + Hex("1d 0d");
}

std::string WriteRight(TrackSelection tracks) {
    return Hex(tracks == Track2 ? "06 61 32" : tracks == Track3 ? "06 61 33" : "06 61 35");
}

}  // namespace

SoakJob::SoakJob(Kind kind, bool deviceAnswers, unsigned seed)
    : SoakJob(kind, deviceAnswers, kTracks[seed % 3], seed) {}

SoakJob::SoakJob(Kind kind, bool deviceAnswers, TrackSelection tracks, unsigned seed)
    : harness(kind == Kind::Read ? 1 : 0),
      device(peer, kind == Kind::Read ? ReadCommand(tracks) : Hex("1b 3f"),
             !deviceAnswers       ? ""
             : kind == Kind::Read ? CardReply(tracks)
                                  : WriteRight(tracks),
             seed) {
    harness.timeouts = SerialTimeouts{};
    harness.UseProfileText(ProfileText({{"SysDelay", "3000"}}));
    harness.job.PortName = peer.TerminalPath();
    harness.job.Tracks = tracks;
    harness.job.Continuous = kind == Kind::NumberedRun ? 1 : 0;
    harness.job.Count = 9999;
    harness.console.SetTrackTexts({"", "1234", "5678"});
}

unsigned EnvironmentCount(const char* name, unsigned fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? static_cast<unsigned>(std::stoul(text)) : fallback;
}

std::string Distribution(std::vector<std::chrono::milliseconds> times) {
    if (times.empty()) return "no jobs";
    std::sort(times.begin(), times.end());
    // Nearest rank: the smallest time that at least that share of the jobs did not exceed.
    auto rank = [&](double share) {
        const auto index = static_cast<std::size_t>(std::ceil(share * times.size()));
        return times[std::max<std::size_t>(index, 1) - 1].count();
    };
    std::ostringstream out;
    out << "median " << rank(0.5) << " ms, p99 " << rank(0.99) << " ms, max "
        << times.back().count() << " ms over " << times.size() << " jobs";
    return out.str();
}

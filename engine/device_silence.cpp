#include "device_silence.h"

void StartSilenceWatch(CardJob& job) {
    job.LastDeviceByte = std::chrono::steady_clock::now();
    job.DeviceSilent = false;
}

int32_t ReadDevice(CardJob& job, SerialLink& link, unsigned char* buffer, int32_t count) {
    const int32_t got = link.Read(buffer, count);
    const auto now = std::chrono::steady_clock::now();
    bool silent = job.DeviceSilent;
    if (got > 0) {
        job.LastDeviceByte = now;
        silent = false;
    } else if (now - job.LastDeviceByte >= std::chrono::milliseconds(job.SilenceMillis)) {
        silent = true;
    }
    if (silent != job.DeviceSilent) {
        job.DeviceSilent = silent;
        job.Console->DeviceSilence({silent, link.PortName(), link.DevicePath(), job.SilenceMillis});
    }
    return got;
}

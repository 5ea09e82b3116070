#pragma once

#include <cstdint>
#include <string>

// The Windows communication time-outs, kept on every platform and by every link: a read
// of n bytes ends when n bytes came, readIntervalMs after the last byte once one came, or
// n * readTotalMultiplierMs + readTotalConstantMs after it began; a write of n bytes gives
// up after n * writeTotalMultiplierMs + writeTotalConstantMs. Tests shorten them.
struct SerialTimeouts {
    int readIntervalMs = 100;
    int readTotalMultiplierMs = 1;
    int readTotalConstantMs = 500;
    int writeTotalMultiplierMs = 2;
    int writeTotalConstantMs = 3000;
};

// How a job's bytes reach the device, held exclusively for one job, with blocking reads
// and writes that return the count moved. A link whose open failed reads 0 at once and
// writes nothing; a link that breaks while open (device unplugged) stops moving bytes the
// same way, and both keep the reason in words so the job can say why.
class DeviceLink {
  public:
    virtual ~DeviceLink() = default;

    virtual void Open() = 0;
    virtual int32_t Read(unsigned char* buffer, int32_t count) = 0;
    // One call carries one command: a link that frames messages frames each call as one.
    virtual int32_t Write(const unsigned char* buffer, int32_t count) = 0;
    virtual void Close() = 0;

    virtual bool IsOpen() const = 0;
    virtual bool IsBroken() const = 0;
    // Why the open failed (with the device it tried) or the link broke; empty while all
    // is well.
    virtual const std::string& FailureReason() const = 0;
    // The name the job gave: COM1, HID1.
    virtual const std::string& PortName() const = 0;
    // Where that name leads, as the system opens it: /dev/ttyUSB0, /dev/hidraw3.
    virtual std::string DevicePath() const = 0;
};

#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "port_name.h"

// The Windows communication time-outs, kept on every platform: a read of n bytes ends
// when n bytes came, readIntervalMs after the last byte once one came, or
// n * readTotalMultiplierMs + readTotalConstantMs after it began; a write of n bytes gives
// up after n * writeTotalMultiplierMs + writeTotalConstantMs. Tests shorten them.
struct SerialTimeouts {
    int readIntervalMs = 100;
    int readTotalMultiplierMs = 1;
    int readTotalConstantMs = 500;
    int writeTotalMultiplierMs = 2;
    int writeTotalConstantMs = 3000;
};

// One serial port held exclusively for one job, with blocking reads and writes that
// return the count moved: QSerialPort on Linux and macOS, the system's communication calls
// on Windows. A link whose open failed reads 0 at once and writes nothing;
// a port that breaks while open (device unplugged) stops moving bytes the same way, and
// both keep the reason in words (port_failure.h) so the job can say why.
class SerialLink {
  public:
    explicit SerialLink(SerialTimeouts timeouts = {},
                        std::filesystem::path portsDirectory = DefaultPortsDirectory());
    virtual ~SerialLink();

    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    void SetPortName(std::string name) { portName_ = std::move(name); }
    void SetSettings(std::string settings) { settings_ = std::move(settings); }
    const std::string& PortName() const { return portName_; }
    const std::string& Settings() const { return settings_; }
    // The device the port name leads to (port_name.h).
    std::string DevicePath() const { return ResolvePortName(portName_, portsDirectory_); }

    void Open();
    int32_t Read(unsigned char* buffer, int32_t count);
    int32_t Write(const unsigned char* buffer, int32_t count);
    void Close();

    bool IsOpen() const;
    bool IsBroken() const { return broken_; }
    // Why the open failed (with the device path it tried) or the port broke; empty while
    // all is well.
    const std::string& FailureReason() const { return failureReason_; }

    static constexpr const char* kDefaultSettings = "baud=9600 parity=N data=8 stop=1";
    static constexpr const char* kDefaultPortName = "COM1";

  private:
    // The open port of the platform.
    struct Device;

    void MarkBroken();
    void ApplySettings();

    std::unique_ptr<Device> device_;
    std::string settings_ = kDefaultSettings;
    std::string portName_ = kDefaultPortName;
    SerialTimeouts timeouts_;
    std::filesystem::path portsDirectory_;
    bool broken_ = false;
    std::string failureReason_;
};

#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "device_link.h"
#include "port_name.h"

// One serial port as a device link: QSerialPort on Linux and macOS, the system's
// communication calls on Windows. Failure reasons: port_failure.h.
class SerialLink : public DeviceLink {
  public:
    explicit SerialLink(SerialTimeouts timeouts = {},
                        std::filesystem::path portsDirectory = DefaultPortsDirectory());
    ~SerialLink() override;

    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    void SetPortName(std::string name) { portName_ = std::move(name); }
    void SetSettings(std::string settings) { settings_ = std::move(settings); }
    const std::string& PortName() const override { return portName_; }
    const std::string& Settings() const { return settings_; }
    // The device the port name leads to (port_name.h).
    std::string DevicePath() const override { return ResolvePortName(portName_, portsDirectory_); }

    void Open() override;
    int32_t Read(unsigned char* buffer, int32_t count) override;
    int32_t Write(const unsigned char* buffer, int32_t count) override;
    void Close() override;

    bool IsOpen() const override;
    bool IsBroken() const override { return broken_; }
    const std::string& FailureReason() const override { return failureReason_; }

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

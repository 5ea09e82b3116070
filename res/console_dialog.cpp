#include "console_dialog.h"

#include <QtGlobal>
#include <array>

namespace {

using K = ControlKind;

constexpr std::array<ControlTemplate, 49> kControls{{
    {IDC_SETTINGS_GROUP, K::GroupBox, QT_TRANSLATE_NOOP("DialogTemplate", "系统设置区"), 7, 7, 487,
     81},
    {IDC_MODEL, K::ComboBox, "", 46, 33, 48, 66},
    {IDC_DENSITY, K::ComboBox, "", 126, 33, 48, 41},
    {IDC_FORMAT, K::ComboBox, "", 204, 33, 48, 39},
    {IDC_BAUD, K::ComboBox, "", 125, 69, 48, 34},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "型号:"), 23, 37, 21, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "高|低:"), 97, 37, 25, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "格式:"), 175, 37, 21, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "波特率:"), 95, 73, 29, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "校验位:"), 174, 73, 29, 8},
    {IDC_PARITY, K::ComboBox, "", 204, 69, 48, 49},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "数据位:"), 253, 73, 29, 8},
    {IDC_DATA_BITS, K::ComboBox, "", 283, 69, 48, 37},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "停止位:"), 332, 71, 29, 8},
    {IDC_STOP_BITS, K::ComboBox, "", 362, 69, 48, 36},
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("DialogTemplate", "设备参数设定"), 13, 21, 399, 31},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "端口:"), 24, 73, 21, 8},
    {IDC_PORT, K::ComboBox, "", 46, 69, 48, 59},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "磁介质特性:"), 256, 37, 45, 8},
    {IDC_COERCIVITY, K::ComboBox, "", 302, 33, 48, 34},
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("DialogTemplate", "通信参数设定"), 13, 57, 399, 29},
    {IDC_TRACK2_TEXT, K::TrackBox, "", 16, 212, 419, 55},
    {IDC_READ_MODE, K::Toggle, QT_TRANSLATE_NOOP("DialogTemplate", "读卡"), 15, 102, 32, 20},
    {IDC_WRITE_MODE, K::Toggle, QT_TRANSLATE_NOOP("DialogTemplate", "写卡"), 47, 102, 32, 20},
    {IDC_TRACK2_COUNT, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "2轨0个数据："), 17, 201, 102,
     10},
    {IDC_TRACK3_TEXT, K::TrackBox, "", 15, 281, 419, 55},
    {IDC_TRACK3_COUNT, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "3轨0个数据："), 17, 271, 102,
     10},
    {IDC_TRACK1_TEXT, K::TrackBox, "", 16, 142, 419, 55},
    {IDC_TRACK1_COUNT, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "1轨0个数据："), 17, 131, 102,
     9},
    {IDC_RUN, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "运行"), 377, 108, 50, 14},
    {IDC_STOP, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "停止"), 433, 108, 50, 14},
    {IDC_TOGGLE_TRACK1, K::Toggle, QT_TRANSLATE_NOOP("DialogTemplate", "1轨"), 171, 102, 32, 20},
    {IDC_TOGGLE_TRACK2, K::Toggle, QT_TRANSLATE_NOOP("DialogTemplate", "2轨"), 205, 102, 32, 20},
    {IDC_TOGGLE_TRACK3, K::Toggle, QT_TRANSLATE_NOOP("DialogTemplate", "3轨"), 239, 102, 32, 20},
    {IDC_TOGGLE_TRACK12, K::Toggle, QT_TRANSLATE_NOOP("DialogTemplate", "1&&2轨"), 273, 102, 32,
     20},
    {IDC_TOGGLE_TRACK23, K::Toggle, QT_TRANSLATE_NOOP("DialogTemplate", "2&&3轨"), 307, 102, 32,
     20},
    {IDC_CONTINUOUS, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplate", "连写"), 84, 112, 32, 10},
    {IDC_COUNT, K::NumberBox, "", 117, 108, 33, 14},
    {IDC_TRACK1_START, K::NumberBox, "", 438, 179, 23, 14},
    {IDC_TRACK1_INCREMENT, K::NumberBox, "", 463, 179, 23, 14},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "起始数"), 438, 167, 25, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "增量"), 470, 167, 17, 8},
    {IDC_TRACK2_START, K::NumberBox, "", 438, 248, 23, 14},
    {IDC_TRACK2_INCREMENT, K::NumberBox, "", 463, 248, 23, 14},
    {IDC_TRACK3_START, K::NumberBox, "", 438, 318, 23, 14},
    {IDC_TRACK3_INCREMENT, K::NumberBox, "", 463, 318, 23, 14},
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("DialogTemplate", "功能区"), 7, 91, 487, 251},
    {IDC_LOG, K::LogBox, "", 447, 282, 40, 12},
    {IDC_EMPTY_FRAME, K::BlackFrame, "", 416, 15, 72, 72},
}};

constexpr std::array<const char*, 5> kModels{"KX500", "KX400", "KX300", "KX200", "KX100"};
constexpr std::array<const char*, 2> kDensities{QT_TRANSLATE_NOOP("DialogTemplate", "2轨低密"),
                                                QT_TRANSLATE_NOOP("DialogTemplate", "2轨高密")};
constexpr std::array<const char*, 2> kFormats{"ISO", "IBM"};
constexpr std::array<const char*, 2> kBaudRates{"9600", "1200"};
constexpr std::array<const char*, 3> kParities{"N", "O", "E"};
constexpr std::array<const char*, 2> kDataBits{"8", "7"};
constexpr std::array<const char*, 2> kStopBits{"1", "2"};
constexpr std::array<const char*, 4> kPorts{"COM1", "COM2", "COM3", "COM4"};
constexpr std::array<const char*, 2> kCoercivities{QT_TRANSLATE_NOOP("DialogTemplate", "低抗"),
                                                   QT_TRANSLATE_NOOP("DialogTemplate", "高抗")};

constexpr std::array<ComboList, 9> kComboLists{{
    {IDC_MODEL, kModels},
    {IDC_DENSITY, kDensities},
    {IDC_FORMAT, kFormats},
    {IDC_BAUD, kBaudRates},
    {IDC_PARITY, kParities},
    {IDC_DATA_BITS, kDataBits},
    {IDC_STOP_BITS, kStopBits},
    {IDC_PORT, kPorts},
    {IDC_COERCIVITY, kCoercivities},
}};

constexpr std::array<const char*, 3> kIconImages{":/console/card_16.png", ":/console/card_32.png",
                                                 ":/console/card_48.png"};

}  // namespace

const DialogTemplate kConsoleDialog{IDD_CARDDEMO_DIALOG,
                                    QT_TRANSLATE_NOOP("DialogTemplate", "Velto磁条读写器演示程序"),
                                    501,
                                    363,
                                    "宋体",
                                    9,
                                    kControls};

const std::span<const ComboList> kConsoleComboLists{kComboLists};

const std::span<const char* const> kConsoleIconImages{kIconImages};

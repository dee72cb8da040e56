// The device's SysEx messages: framing, function codes and sizes.
#pragma once

#include <cstdint>

constexpr unsigned char kSysexStart = 0xF0;
constexpr unsigned char kSysexEnd = 0xF7;
constexpr unsigned char kManufacturerId = 0x42;
constexpr unsigned char kModelId = 0x71;
constexpr unsigned char kUniversalNonRealTime = 0x7E;
constexpr unsigned char kGeneralInformation = 0x06;

// Function codes (byte 4 of a device message) and dump types.
enum e_SysexFunction : int
{
    SYSEX_IDENTITY_REPLY = 0x02,
    SYSEX_CURRENT_PATTERN_REQUEST = 0x10,
    SYSEX_BANK_REQUEST = 0x1C,
    SYSEX_ANSWER_A = 0x23,
    SYSEX_ANSWER_B = 0x24,
    SYSEX_CURRENT_PATTERN_DUMP = 0x40,
    SYSEX_BANK_DUMP = 0x4C,
    SYSEX_DUMP_51 = 0x51,
    SYSEX_DUMP_57 = 0x57,
    SYSEX_DUMP_58 = 0x58,
};

constexpr std::uint32_t kPatternDumpLength = 4898;
constexpr std::uint32_t kBankDumpLength = 313059;
constexpr std::uint32_t kPatternDumpHeaderLength = 5;
constexpr std::uint32_t kBankDumpHeaderLength = 6;

constexpr unsigned char kPatternDumpHeader[kPatternDumpHeaderLength] = {kSysexStart, kManufacturerId, 0x30,
                                                                        kModelId, SYSEX_CURRENT_PATTERN_DUMP};
constexpr unsigned char kCurrentPatternRequest[] = {
    kSysexStart, kManufacturerId, 0x30, kModelId, SYSEX_CURRENT_PATTERN_REQUEST, kSysexEnd};
constexpr unsigned char kBankRequest[] = {kSysexStart, kManufacturerId, 0x30, kModelId, SYSEX_BANK_REQUEST,
                                          0x00,        kSysexEnd};
constexpr unsigned char kIdentityRequest[] = {
    kSysexStart, kUniversalNonRealTime, 0x00, kGeneralInformation, 0x01, kSysexEnd};

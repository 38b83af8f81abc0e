#pragma once
// A settings object over a plain byte record: what the writers see of a board with a settings
// class, without that board's own class. Its text operations add nothing.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/settings/ConfigBoard.h"

namespace tooltest {

class RecordSettings : public TConfigBoard {
public:
    explicit RecordSettings(std::size_t size) : bytes(size, 0) {}

    bool LoadFromFile(const std::string&) override { return false; }
    bool SaveToFile(const std::string&) override { return false; }
    std::string GetQsfSettings() override { return {}; }
    std::string GetTopLevelCode() override { return {}; }
    ExportResult ExportVerilogIP(const std::string&) override { return {}; }
    std::span<const uint8_t> RecordBytes() const override { return bytes; }

    std::vector<uint8_t> bytes;
};

}  // namespace tooltest

#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/types.h"

// A fresh folder of its own for one test, with STATION_REGISTRY pointing at registry.db
// inside it (not yet created). The folder goes when the object does.
class CTempRegistry {
public:
    CTempRegistry();
    CTempRegistry(const CTempRegistry&) = delete;
    CTempRegistry& operator=(const CTempRegistry&) = delete;
    ~CTempRegistry();

    const std::string& Folder() const { return m_strFolder; }
    std::string DatabasePath() const { return m_strFolder + "/registry.db"; }

private:
    std::string m_strFolder;
};

// A test that starts on a fresh registry of its own.
class CTempRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { m_registry.emplace(); }

    std::optional<CTempRegistry> m_registry;
};

CByteArray ReadFileBytes(const std::string& strPath);
void WriteFileBytes(const std::string& strPath, const CByteArray& data);
CByteArray BytesOf(const std::string& strText);

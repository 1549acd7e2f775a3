#include "tests/registry/temp_registry.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

CTempRegistry::CTempRegistry() {
    std::string strTemplate =
        (std::filesystem::temp_directory_path() / "station-reg-XXXXXX").string();
    if (!mkdtemp(strTemplate.data())) throw std::runtime_error("mkdtemp failed");
    m_strFolder = strTemplate;
    setenv("STATION_REGISTRY", DatabasePath().c_str(), 1);
}

CTempRegistry::~CTempRegistry() {
    // A test may have made the folder read-only; its owner takes that back to clean up.
    std::error_code error;
    std::filesystem::permissions(m_strFolder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_strFolder, error);
}

CByteArray ReadFileBytes(const std::string& strPath) {
    std::ifstream file(strPath, std::ios::binary);
    return CByteArray(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& strPath, const CByteArray& data) {
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
}

CByteArray BytesOf(const std::string& strText) {
    return CByteArray(strText.begin(), strText.end());
}

#pragma once
#include <gtest/gtest.h>

#include <string>

namespace station_test {

// Names each instance of a parameterized test after its case's pszName.
struct CCaseName {
    template <typename T>
    std::string operator()(const testing::TestParamInfo<T>& info) const {
        return info.param.pszName;
    }
};

}  // namespace station_test

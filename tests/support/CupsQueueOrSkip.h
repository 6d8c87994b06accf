// Starts a temporary print queue inside a GoogleTest test, or skips the test with the reason;
// with TESSALY_REQUIRE_CUPS=1 in the environment (CI) the test fails instead of skipping.
#pragma once

#include "support/CupsQueue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace tessaly::testsupport {

inline bool CupsRequired()
{
    const char* value = std::getenv("TESSALY_REQUIRE_CUPS");
    return value && std::strcmp(value, "1") == 0;
}

} // namespace tessaly::testsupport

// Declares `std::unique_ptr<CupsQueue> variable` holding a started queue named `queueName`.
#define TESSALY_START_CUPS_QUEUE_OR_SKIP(variable, queueName)                                    \
    std::string variable##WhyNot;                                                                \
    const std::unique_ptr<::tessaly::testsupport::CupsQueue> variable =                          \
        ::tessaly::testsupport::CupsQueue::Start(queueName, &variable##WhyNot);                  \
    if (!variable) {                                                                             \
        if (::tessaly::testsupport::CupsRequired())                                              \
            FAIL() << variable##WhyNot;                                                          \
        GTEST_SKIP() << variable##WhyNot;                                                        \
    }

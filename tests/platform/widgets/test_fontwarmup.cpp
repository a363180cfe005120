#include <QByteArray>
#include <gtest/gtest.h>

#include "platform/widgets/FontWarmup.h"

namespace {

// Qt unsets a launcher's start-up token while it builds the application, so
// the font configuration (which reads the environment) must not be read then.
TEST(FontWarmup, ReadsAheadOnlyWhenQtLeavesTheEnvironmentAlone)
{
    EXPECT_TRUE(platform::FontWarmup().readsAhead());
    for (const char *token : {"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"}) {
        // Changed only while no warm-up thread runs.
        qputenv(token, QByteArrayLiteral("launcher_TIME42"));
        EXPECT_FALSE(platform::FontWarmup().readsAhead()) << token;
        qunsetenv(token);
    }
}

} // namespace

#include "platform/host/glfw/HostMain.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <stdexcept>

#include "platform/core/Fatal.h"
#include "tests/platform/FatalTestSupport.h"

namespace zelka {
namespace {

// The real start-up needs a display for the window library.
class HostMainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "no display";
    }

    static testing::ChildResult Start(void (*program)())
    {
        return testing::RunInChild([program] {
            char name[] = "zelka";
            char* argv[] = {name, nullptr};
            RunHost(1, argv, program);
        });
    }
};

TEST_F(HostMainTest, WithoutAnAppNoWindowOpensAndTheProcessEndsWithZero)
{
    const auto result = Start([] {});
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
}

TEST_F(HostMainTest, ExceptionFromTheProgramIsFatal)
{
    const auto result = Start([] { throw std::runtime_error("escaped"); });
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out, "Kestro Runtime Error : Uncaught Kestro Exception\n\n");
}

TEST_F(HostMainTest, RuntimeErrorInTheProgramEnds255)
{
    const auto result = Start([] { RuntimeError("Failed to open stream"); });
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out, "Kestro Runtime Error : Failed to open stream\n\n");
}

TEST_F(HostMainTest, SetsOnlyTheCharacterTypeLocaleAndKeepsTheArguments)
{
    // With a UTF-8 environment locale, only LC_CTYPE may follow it: numbers are parsed and
    // printed in the C locale.
    setenv("LC_ALL", "C.UTF-8", 1);
    const auto result = Start([] {
        const std::string ctype = std::setlocale(LC_CTYPE, nullptr);
        std::printf("%d %s %s %d\n", HostArgc(), HostArgv()[0], std::setlocale(LC_NUMERIC, nullptr),
                    ctype != "C");
    });
    unsetenv("LC_ALL");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "1 zelka C 1\n");
}

}  // namespace
}  // namespace zelka

#include "engine/platform/CrashHandler.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

TEST(CrashReport, FaultNames)
{
    struct Case { std::uint32_t code; const char* name; };
    const Case cases[] = {{0xC0000005u, "Access violation!"}, {0xC0000006u, "In page error!"},
                          {0xC0000094u, "Divide by zero!"},   {0xC00000FDu, "Stack overflow!"},
                          {0xC000001Du, "Unhandled exception!"}};
    for (const Case& c : cases)
        EXPECT_STREQ(crash::FaultName(c.code), c.name);
}

TEST(CrashReport, EntryBytes)
{
    char buffer[2048];
    // 7 March 2010, 09:05:03 local time.
    const std::int64_t when = 1267952703;
    crash::FormatCrashReport(buffer, sizeof buffer, crash::INTEGER_DIVIDE_BY_ZERO, 1, 0x4012AB, when);
    EXPECT_EQ(std::string(buffer),
              "<B><Font Size = 1 Color = DarkGreen Face = Verdana><07.03.2010 - 09:05:03> </Font></B>"
              "<B><Font Size = 1 Color = Red Face = Verdana>FATAL ERROR : </B></Font>"
              "<Font Size = 1 Color = Black Face = Verdana>Divide by zero!</Font><BR>"
              "<Font Size = 1 Color = Black Face = Verdana>Exception information</Font><BR>"
              "<Font Size = 1 Color = Black Face = Verdana>Exception adress : 004012AB</Font><BR>"
              "<Font Size = 1 Color = Black Face = Verdana>Exception flags : 1</Font><BR>"
              "<Font Size = 1 Color = Black Face = Verdana>Exception code : 3221225620</Font><BR>");
}

TEST(CrashReport, SmallBufferIsNeverOverrun)
{
    char buffer[40];
    buffer[39] = 'X';
    const std::size_t n = crash::FormatCrashReport(buffer, 39, crash::ACCESS_VIOLATION, 0, 0, 0);
    EXPECT_EQ(n, 38u);
    EXPECT_EQ(buffer[38], '\0');
    EXPECT_EQ(buffer[39], 'X');
}

TEST(CrashHandler, FatalSignalWritesTheReportAndEndsWithTheSignal)
{
    TempDir dir;
    const std::string log = dir.File("log.htm");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstallCrashHandler();
        SetCrashReportPath(log.c_str());
        raise(SIGSEGV);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGSEGV);
    const std::string text = ReadTextFile(log);
    EXPECT_NE(text.find("FATAL ERROR : </B></Font><Font Size = 1 Color = Black Face = Verdana>Access violation!"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Exception code : 3221225477"), std::string::npos);
}

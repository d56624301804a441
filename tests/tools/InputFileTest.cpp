// Only regular files within the bound are opened, and nothing waits.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/MessageRecorder.h"
#include "tests/support/TestFiles.h"
#include "tools/TmInputFile.h"

using namespace TMTOOLS::OS;

TEST(InputFile, OnlyRegularFilesWithinTheBoundOpenAndSpecialFilesNeverBlock)
{
    tmtest::CTempDir dir;
    tmtest::WriteBytes(dir.File("ok.txt"), "12345");
    ASSERT_EQ(mkfifo(dir.File("pipe.txt").c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/zero", dir.File("zero.txt").c_str()), 0);
    ASSERT_EQ(symlink("/dev/urandom", dir.File("random.txt").c_str()), 0);
    ASSERT_EQ(symlink(dir.File("ok.txt").c_str(), dir.File("link.txt").c_str()), 0);

    struct Case {
        const char* name;
        long long maxBytes;
        TmInputStatus status;
    } const cases[] = {
        {"ok.txt", 5, TM_INPUT_OK},          {"link.txt", 5, TM_INPUT_OK},
        {"ok.txt", 4, TM_INPUT_TOO_LARGE},   {"pipe.txt", 100, TM_INPUT_NOT_REGULAR},
        {"zero.txt", 100, TM_INPUT_NOT_REGULAR}, {"random.txt", 100, TM_INPUT_NOT_REGULAR},
        {"missing.txt", 100, TM_INPUT_MISSING}, {"", 100, TM_INPUT_FOLDER},
    };
    tmtest::CMessageRecorder messages;
    for (const Case& c : cases) {
        messages.Clear();
        TmInputStatus status = TM_INPUT_OK;
        const std::wstring path = dir.WFile(tmtest::Wide(c.name));
        FILE* file = OpenInputFile(*c.name ? path.c_str() : dir.WPath().c_str(), c.maxBytes, status);
        EXPECT_EQ(status, c.status) << c.name;
        EXPECT_EQ(file != nullptr, c.status == TM_INPUT_OK) << c.name;
        // Only a refusal for the file's kind or size is said.
        EXPECT_EQ(messages.Count(), c.status == TM_INPUT_NOT_REGULAR || c.status == TM_INPUT_TOO_LARGE ? 1u : 0u)
            << c.name;
        if (file) {
            char bytes[8] = {0};
            EXPECT_EQ(fread(bytes, 1, sizeof bytes, file), 5u);
            fclose(file);
        }
    }
    TmInputStatus status;
    messages.Clear();
    OpenInputFile(dir.WFile(L"random.txt").c_str(), TM_MAX_INPUT_FILE_BYTES, status);
    // A sparse file one byte over the bound: nothing is read to refuse it.
    tmtest::WriteBytes(dir.File("big.txt"), "");
    ASSERT_EQ(truncate(dir.File("big.txt").c_str(), TM_MAX_INPUT_FILE_BYTES + 1), 0);
    EXPECT_EQ(OpenInputFile(dir.WFile(L"big.txt").c_str(), TM_MAX_INPUT_FILE_BYTES, status), nullptr);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Messages()[0].text, L"文件 " + dir.WPath() + L"/random.txt 不是普通文件（管道、设备或套接字），未读取。");
    EXPECT_EQ(messages.Messages()[1].text, L"文件 " + dir.WPath() + L"/big.txt 大于 256 MB，未读取。");
}

#include <gtest/gtest.h>

#include "tests/support/MessageRecorder.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

TEST(Message, WarnMessageCarriesTheWarningCaption)
{
    tmtest::CMessageRecorder recorder;
    TMTOOLS::OS::TmShowWarnMessage(L"总信息字段 A 重名");
    TMTOOLS::OS::TmShowMessage(L"完成", L"提示");
    ASSERT_EQ(recorder.Count(), 2u);
    EXPECT_EQ(recorder.Messages()[0].caption, L"警告");
    EXPECT_EQ(recorder.Messages()[0].text, L"总信息字段 A 重名");
    EXPECT_EQ(recorder.Messages()[1].caption, L"提示");
}

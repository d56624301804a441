// The GBK decoder and encoder behind code page 936, through the exported
// conversions: known texts of the result and project files, and every
// two-byte code.
#include <gtest/gtest.h>

#include <string>

#include "tools/TmString.h"

using TMTOOLS::String::DecodeUnicode;
using TMTOOLS::String::EncodeUnicode;

TEST(CodePageGbk, DecodesTheLabelsTheReadersLookFor)
{
    // Bytes as the analysis program writes them (GBK, CR LF kept as is here).
    const struct {
        const char* bytes;
        const wchar_t* text;
    } known[] = {
        {"\xba\xcf\xbc\xc6\x3a", L"合计:"},
        {"\xd5\xdb\xbc\xf5\xc7\xb0\xd5\xf1\xb6\xaf\xd6\xdc\xc6\xda\x28\xc3\xeb\x29\xa1\xa2\xd5\xf1\xd0\xcd\xb2\xce\xd3\xeb"
         "\xd6\xca\xc1\xbf",
         L"折减前振动周期(秒)、振型参与质量"},
        {"\xb5\xd8\xd5\xf0\xb7\xb4\xd3\xa6\xc6\xd7\xb7\xd6\xce\xf6\xbd\xe1\xb9\xfb", L"地震反应谱分析结果"},
        {"\xd7\xee\xb4\xf3\xb2\xe3\xbc\xe4\xce\xbb\xd2\xc6\xbd\xc7:  1/ 850.\r\n", L"最大层间位移角:  1/ 850.\r\n"},
        {"\xbd\xe1\xb9\xb9\xbc\xc6\xcb\xe3\xd7\xdc\xb2\xe3\xca\xfd", L"结构计算总层数"},
        {"\xd3\xd0\xb2\xe0\xd4\xbc\xca\xf8\xb5\xc4\xb5\xd8\xcf\xc2\xca\xd2\xb2\xe3\xca\xfd", L"有侧约束的地下室层数"},
        {"\xbc\xc6\xcb\xe3\xca\xb1\xb3\xcc\xb7\xd6\xce\xf6\xb2\xc9\xd3\xc3\xb5\xc4\xb5\xd8\xd5\xf0\xb2\xa8",
         L"计算时程分析采用的地震波"},
        {"\xb8\xd6\xbd\xee\xcb\xe3\xc1\xbf\xbd\xd3\xbf\xda", L"钢筋算量接口"},
        {"\x80", L"\x20AC"},  // code page 936 has the euro sign as one byte
    };
    for (const auto& k : known) {
        std::wstring wide;
        EncodeUnicode(936, k.bytes, wide);
        EXPECT_EQ(wide, k.text) << k.bytes;
        std::string narrow;
        DecodeUnicode(936, k.text, narrow);
        EXPECT_EQ(narrow, k.bytes);
    }
    // A lead byte without a trail byte, and a pair GBK leaves empty.
    std::wstring wide;
    EncodeUnicode(936, "a\xb5", wide);
    EXPECT_EQ(wide, L"a\xFFFD");
    EncodeUnicode(936, "\xa2\xa0", wide);
    EXPECT_EQ(wide, L"\xFFFD");
}

TEST(CodePageGbk, EveryTwoByteCodeItAcceptsComesBackUnchanged)
{
    int accepted = 0;
    std::string failures;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string code = {(char)lead, (char)trail};
            std::wstring wide;
            EncodeUnicode(936, code, wide);
            ASSERT_EQ(wide.size(), 1u) << std::hex << lead << trail;
            if (wide[0] == 0xFFFD)
                continue;
            ++accepted;
            std::string back;
            DecodeUnicode(936, wide, back);
            if (back != code && failures.size() < 200)
                failures += " " + std::to_string(lead * 256 + trail);
        }
    }
    EXPECT_EQ(failures, "");
    // The whole of GBK (as many pairs as other GBK codecs decode), not a
    // table that failed to build.
    EXPECT_EQ(accepted, 21791);
}

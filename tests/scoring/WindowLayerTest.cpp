// The window-layer interface: the program title stands in for a missing caption.
#include <gtest/gtest.h>

#include "scoring/WindowLayer.h"

namespace {

class CRecordingWindow : public CWindowLayer {
public:
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    std::wstring m_caption;
    std::wstring m_text;
    Buttons m_buttons = TM_MB_OK;
    Answer m_answer = TM_ID_OK;

protected:
    Answer DoMessageBox(const wchar_t* text, const wchar_t* caption, Buttons buttons) override
    {
        m_text = text;
        m_caption = caption;
        m_buttons = buttons;
        return m_answer;
    }
};

}  // namespace

TEST(WindowLayer, AMessageBoxWithoutCaptionShowsTheProgramTitle)
{
    CRecordingWindow window;
    window.ShowMessageBox(L"工程 x 不存在.");
    EXPECT_EQ(window.m_caption, L"Tesmo评分系统");
    EXPECT_EQ(window.m_text, L"工程 x 不存在.");
    window.ShowMessageBox(L"a", L"");
    EXPECT_EQ(window.m_caption, L"Tesmo评分系统");
    window.ShowMessageBox(nullptr, L"提示");
    EXPECT_EQ(window.m_caption, L"提示");
    EXPECT_EQ(window.m_text, L"");
}

TEST(WindowLayer, AQuestionReturnsTheButtonPressed)
{
    CRecordingWindow window;
    window.m_answer = CWindowLayer::TM_ID_NO;
    EXPECT_EQ(window.ShowMessageBox(L"是否删除?", L"提示", CWindowLayer::TM_MB_YESNO),
              CWindowLayer::TM_ID_NO);
    EXPECT_EQ(window.m_buttons, CWindowLayer::TM_MB_YESNO);
}

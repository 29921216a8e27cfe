#include "support/ScriptedPrompts.h"
#include <gtest/gtest.h>

TEST(ScriptedPromptsTest, AnswersFromScriptThenFallsBackToNoAndCancel)
{
    ScriptedPrompts prompts;
    prompts.ConfirmAnswers = {true};
    prompts.InputAnswers = {QStringLiteral("12")};

    EXPECT_TRUE(prompts.Confirm(QStringLiteral("q1")));
    EXPECT_FALSE(prompts.Confirm(QStringLiteral("q2")));
    EXPECT_EQ(prompts.InputText({}, QStringLiteral("p"), {}), QStringLiteral("12"));
    EXPECT_FALSE(prompts.InputText({}, QStringLiteral("p"), {}).has_value());
    EXPECT_FALSE(prompts.SaveFileName(QStringLiteral("s"), {}, {}).has_value());
    prompts.Message(QStringLiteral("m"));

    EXPECT_EQ(prompts.Messages, QStringList{QStringLiteral("m")});
    EXPECT_EQ(prompts.Asked.size(), 6);
    EXPECT_EQ(prompts.Asked.first(), QStringLiteral("confirm: q1"));
}

// The default error handler and the scripted prompter that all window tests use.
#include "platform/Error.h"
#include "platform/ui/ErrorHandler.h"
#include "platform/ui/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>

using namespace wf;

TEST(ErrorHandler, FailedCommandShowsItsTextInAnErrorBox) {
    ScriptedPrompter script;
    bool after = false;
    EXPECT_FALSE(runGuarded([&] {
        throw Error("Unable to write to /x/wrenfold.ini");
        after = true;
    }));
    EXPECT_FALSE(after);
    ASSERT_EQ(script.events().size(), 1u);
    EXPECT_EQ(script.events()[0].kind, MsgKind::Error);
    EXPECT_EQ(script.events()[0].text, "Unable to write to /x/wrenfold.ini");
}

TEST(ErrorHandler, CommandThatSucceedsShowsNothing) {
    ScriptedPrompter script;
    int runs = 0;
    EXPECT_TRUE(runGuarded([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(script.events().empty());
}

TEST(ScriptedPrompter, AnswersInOrderAndFallsBackToCancel) {
    ScriptedPrompter script;
    script.answer(Answer::No);
    EXPECT_EQ(prompter().message(MsgKind::Warning, "a", MsgButtons::YesNoCancel), Answer::No);
    EXPECT_EQ(prompter().message(MsgKind::Warning, "b", MsgButtons::YesNoCancel), Answer::Cancel);
    EXPECT_EQ(prompter().message(MsgKind::Plain, "c"), Answer::Ok);
    EXPECT_EQ(script.messages(), QStringList({"a", "b", "c"}));
}

TEST(ScriptedPrompter, FillsADialogBeforeAcceptingIt) {
    ScriptedPrompter script;
    QDialog dialog;
    dialog.setObjectName("TdlgCustom");
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName("edtCaption");
    script.dialog([](QDialog& d) {
        d.findChild<QLineEdit*>("edtCaption")->setText("Bold");
        return true;
    });
    EXPECT_TRUE(prompter().execDialog(dialog));
    EXPECT_EQ(edit->text(), "Bold");
    EXPECT_FALSE(prompter().execDialog(dialog));  // nothing scripted: cancelled
    EXPECT_EQ(script.eventsOf(PromptEvent::Type::Dialog).size(), 2u);
    EXPECT_EQ(script.events()[0].caption, "TdlgCustom");
}

TEST(ScriptedPrompter, RestoresThePreviousPrompterWhenDone) {
    Prompter* real = &prompter();
    {
        ScriptedPrompter outer;
        {
            ScriptedPrompter inner;
            EXPECT_EQ(&prompter(), &inner);
        }
        EXPECT_EQ(&prompter(), &outer);
    }
    EXPECT_EQ(&prompter(), real);
}

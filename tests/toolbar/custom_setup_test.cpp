// The custom buttons in a real window: the setup dialog driven through its controls, what it
// stores in wrenfold.ini, the enable rules, pressing the buttons, and a refused write.
#include "ToolbarFixture.h"

#include "editor/cdlgCustom.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace wrenfold::testing_toolbar {
namespace {

struct SetupInput {
    QString number;  // typed into the number box
    QString caption, open, close;
    bool ok = true;
};

class CustomButtons : public WindowFixture {
protected:
    std::string iniPath() const {
        return wf::settingsPath(appDir.toStdString(), "wrenfold.ini");
    }
    std::string stored(const std::string& key) const {
        return wf::IniFile(iniPath()).readString("CustomButton", key, "<unset>");
    }
    QToolButton* sbC(int n) const {
        return control<QToolButton>(("sbC" + std::to_string(n)).c_str());
    }

    // Runs one setup through sbSetupCustom, typing into the dialog's controls.
    void runSetup(const SetupInput& s) {
        prompter.dialog([s](QDialog& d) {
            auto& dlg = static_cast<TdlgCustom&>(d);
            QLineEdit* number = dlg.cbButtonNumber->lineEdit();
            number->clear();
            QTest::keyClicks(number, s.number);
            for (auto [edit, text] : {std::pair{dlg.edtCaption, s.caption},
                                      std::pair{dlg.edtOpeningTag, s.open},
                                      std::pair{dlg.edtClosingTag, s.close}}) {
                edit->selectAll();
                edit->del();
                QTest::keyClicks(edit, text);
            }
            return s.ok;
        });
        click("sbSetupCustom");
    }
};

TEST_F(CustomButtons, ButtonThreeBecomesBoldAndWraps) {
    runSetup({"3", "Bold", "<B>", "</B>"});
    EXPECT_EQ(sbC(3)->text(), "Bold");
    EXPECT_TRUE(sbC(3)->isEnabled());
    EXPECT_EQ(stored("Caption3"), "Bold");
    EXPECT_EQ(stored("C3Open"), "<B>");
    EXPECT_EQ(stored("C3Close"), "</B>");
    // Written key by key in this order, so they stand so in a new file.
    const QByteArray file = readFile(QString::fromStdString(iniPath()));
    EXPECT_LT(file.indexOf("Caption3="), file.indexOf("C3Open="));
    EXPECT_LT(file.indexOf("C3Open="), file.indexOf("C3Close="));

    setDocument("abcd", 1, 2);
    click(sbC(3));
    EXPECT_EQ(memo()->bytes(), "a<B>bc</B>d");
    EXPECT_EQ(memo()->selStart(), 4);
    EXPECT_EQ(memo()->selLength(), 2);
}

TEST_F(CustomButtons, OpeningTagAloneGoesInFrontOfTheSelection) {
    runSetup({"5", "Br", "<BR>", ""});
    setDocument("abcd", 3, -2);
    click(sbC(5));
    EXPECT_EQ(memo()->bytes(), "a<BR>bcd");
    EXPECT_EQ(memo()->selStart(), 7);
    EXPECT_EQ(memo()->selLength(), -2);
}

TEST_F(CustomButtons, EmptyCaptionShowsTheNumberDisabledAndStoresIt) {
    runSetup({"7", "", "<I>", "</I>"});
    EXPECT_EQ(sbC(7)->text(), "7");
    EXPECT_FALSE(sbC(7)->isEnabled());
    EXPECT_EQ(stored("Caption7"), "7");
    EXPECT_EQ(stored("C7Open"), "<I>");
}

TEST_F(CustomButtons, NoNumberOrCancelChangesNothing) {
    const SetupInput cases[] = {
        {"", "Cap", "<X>", "</X>"},
        {"11", "Cap", "<X>", "</X>"},
        {"0", "Cap", "<X>", "</X>"},
        {"4", "Cap", "<X>", "</X>", false},  // Cancel
    };
    const QByteArray before = readFile(QString::fromStdString(iniPath()));
    for (const SetupInput& s : cases) {
        runSetup(s);
        EXPECT_EQ(readFile(QString::fromStdString(iniPath())), before) << s.number.toStdString();
        for (int n = 1; n <= 10; ++n) {
            EXPECT_EQ(sbC(n)->text(), QString::number(n));
            EXPECT_FALSE(sbC(n)->isEnabled());
        }
    }
    EXPECT_EQ(prompter.eventsOf(wf::PromptEvent::Type::Dialog).size(), 4u);
}

TEST_F(CustomButtons, ChoosingANumberLoadsThatButton) {
    runSetup({"2", "Two", "<2>", "</2>"});
    runSetup({"4", "Four", "<4>", "</4>"});
    // Choose 2, edit, then choose 4: the fields show button 4, edited further, then OK.
    QStringList seenFor2, seenFor4;
    prompter.dialog([&](QDialog& d) {
        auto& dlg = static_cast<TdlgCustom&>(d);
        EXPECT_TRUE(dlg.edtCaption->text().isEmpty());  // empty when it opens
        dlg.cbButtonNumber->setCurrentIndex(1);           // "2" from the list
        seenFor2 << dlg.edtCaption->text() << dlg.edtOpeningTag->text()
                 << dlg.edtClosingTag->text();
        dlg.edtCaption->setText("Changed");
        dlg.cbButtonNumber->setCurrentIndex(3);           // "4"
        seenFor4 << dlg.edtCaption->text() << dlg.edtOpeningTag->text()
                 << dlg.edtClosingTag->text();
        QTest::keyClicks(dlg.edtClosingTag, "!");
        return true;
    });
    click("sbSetupCustom");
    EXPECT_EQ(seenFor2, (QStringList{"Two", "<2>", "</2>"}));
    EXPECT_EQ(seenFor4, (QStringList{"Four", "<4>", "</4>"}));
    EXPECT_EQ(sbC(2)->text(), "Two");
    EXPECT_EQ(stored("Caption2"), "Two");
    EXPECT_EQ(stored("C4Close"), "</4>!");
    EXPECT_EQ(form->CustomClose[3], "</4>!");
}

TEST_F(CustomButtons, TypingTenLoadsButtonOneThenTen) {
    runSetup({"1", "One", "<1>", ""});
    runSetup({"10", "Ten", "<10>", "</10>"});
    QStringList captions;
    prompter.dialog([&](QDialog& d) {
        auto& dlg = static_cast<TdlgCustom&>(d);
        QTest::keyClick(dlg.cbButtonNumber->lineEdit(), Qt::Key_1);
        captions << dlg.edtCaption->text();
        QTest::keyClick(dlg.cbButtonNumber->lineEdit(), Qt::Key_0);
        captions << dlg.edtCaption->text();
        QTest::keyClick(dlg.cbButtonNumber->lineEdit(), Qt::Key_1);  // "101": loads nothing
        captions << dlg.edtCaption->text();
        return false;
    });
    click("sbSetupCustom");
    EXPECT_EQ(captions, (QStringList{"One", "Ten", "Ten"}));
}

TEST_F(CustomButtons, ClearedOpeningTagKeepsTheButtonEnabledUntilTheNextStart) {
    runSetup({"6", "Em", "<EM>", "</EM>"});
    runSetup({"6", "Em", "", "</EM>"});
    EXPECT_TRUE(sbC(6)->isEnabled());
    setDocument("abcd", 1, 2);
    click(sbC(6));
    EXPECT_EQ(memo()->bytes(), "abc</EM>d");
    EXPECT_EQ(memo()->selStart(), 1);
    EXPECT_EQ(memo()->selLength(), 2);

    // The next start disables it by the start-up rule, with the stored texts.
    form.reset();
    form = std::make_unique<TForm1>(appDir, QStringList());
    EXPECT_EQ(sbC(6)->text(), "Em");
    EXPECT_FALSE(sbC(6)->isEnabled());
    EXPECT_EQ(form->CustomClose[5], "</EM>");
}

TEST_F(CustomButtons, SetupDialogLayout) {
    bool checked = false;
    prompter.dialog([&](QDialog& d) {
        auto& dlg = static_cast<TdlgCustom&>(d);
        EXPECT_EQ(dlg.windowTitle(), "Dialog");
        EXPECT_EQ(dlg.size(), QSize(236, 214));
        EXPECT_EQ(dlg.cbButtonNumber->count(), 10);
        EXPECT_EQ(dlg.cbButtonNumber->itemText(0), "1");
        EXPECT_EQ(dlg.cbButtonNumber->itemText(9), "10");
        EXPECT_TRUE(dlg.cbButtonNumber->currentText().isEmpty());
        EXPECT_EQ(dlg.cbButtonNumber->toolTip(), "Select button to configure (1-10)");
        EXPECT_EQ(dlg.edtCaption->toolTip(), "Caption for button");
        EXPECT_EQ(dlg.edtOpeningTag->toolTip(), "Type the opening tag");
        EXPECT_EQ(dlg.edtClosingTag->toolTip(), "Type the closing tag.");
        QStringList labels;
        for (auto* l : dlg.findChildren<QLabel*>()) labels << l->text();
        for (const char* text : {"Button #:", "Button Caption:", "Opening Tag:", "Closing Tag:"})
            EXPECT_TRUE(labels.contains(text)) << text;
        EXPECT_TRUE(dlg.OKBtn->isDefault());
        EXPECT_EQ(dlg.OKBtn->text(), "OK");
        EXPECT_EQ(dlg.CancelBtn->text(), "Cancel");

        // Tab order: OK, Cancel, number, caption, opening tag, closing tag; the first one
        // takes the focus when the dialog opens. Walked as Tab walks it.
        dlg.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        EXPECT_EQ(dlg.focusWidget(), dlg.OKBtn);
        QList<QWidget*> order;
        for (QWidget* w = dlg.nextInFocusChain(); w != &dlg && order.size() < 6;
             w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&dlg)) continue;
            QWidget* control = w->parentWidget() == dlg.cbButtonNumber ? dlg.cbButtonNumber : w;
            if (order.isEmpty() || order.back() != control) order << control;
        }
        EXPECT_EQ(order, (QList<QWidget*>{dlg.OKBtn, dlg.CancelBtn, dlg.cbButtonNumber,
                                          dlg.edtCaption, dlg.edtOpeningTag, dlg.edtClosingTag}));
        checked = true;
        return false;
    });
    click("sbSetupCustom");
    EXPECT_TRUE(checked);
    EXPECT_EQ(control("sbSetupCustom")->toolTip(), "Customize your own buttons.");
    EXPECT_EQ(control("sbSetupCustom")->text(), "Setup");
}

TEST_F(CustomButtons, TheDialogIsMadeForOneSetupAndFreed) {
    runSetup({"1", "A", "<A>", ""});
    runSetup({"2", "B", "<B>", "", false});
    EXPECT_TRUE(form->findChildren<TdlgCustom*>().isEmpty());
}

// A settings file the system refuses to write: the error box names it, the setup stops there.
class CustomButtonsUnwritable : public CustomButtons {
protected:
    void writeProgramFolder() override {
        CustomButtons::writeProgramFolder();
        // A folder where the settings file should be: every write to it fails.
        ASSERT_TRUE(QDir(appDir).mkdir("wrenfold.ini"));
    }
};

TEST_F(CustomButtonsUnwritable, RefusedWriteIsReportedAndChangesNothing) {
    prompter.clear();
    runSetup({"3", "Bold", "<B>", "</B>"});
    const QString expected = "Unable to write to " + QString::fromStdString(iniPath());
    ASSERT_EQ(prompter.messages(), QStringList{expected});
    EXPECT_EQ(prompter.eventsOf(wf::PromptEvent::Type::Message).front().kind, wf::MsgKind::Error);
    EXPECT_EQ(sbC(3)->text(), "3");
    EXPECT_FALSE(sbC(3)->isEnabled());
    EXPECT_TRUE(form->CustomOpen[2].isEmpty());
    EXPECT_TRUE(form->findChildren<TdlgCustom*>().isEmpty());
    prompter.clear();
}

}  // namespace
}  // namespace wrenfold::testing_toolbar

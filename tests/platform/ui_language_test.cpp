// SPDX-License-Identifier: MIT
// Which language the user asks for, read from the environment as gettext
// reads it, and which translation serves it.
#include <gtest/gtest.h>

#include "ui_language.h"

namespace lm {
namespace {

TEST(UiLanguage, EnvironmentInGettextsOrder) {
    // LANGUAGE first, its list in order, then the locale.
    EXPECT_EQ(WantedLanguagesFrom("ru:de", "", "", "fr_FR.UTF-8"),
              QStringList({"ru", "de", "fr_FR"}));
    // LC_ALL before LC_MESSAGES before LANG; encodings and modifiers cut off.
    EXPECT_EQ(WantedLanguagesFrom("", "de_DE.UTF-8@euro", "ja_JP.UTF-8", "fr_FR"),
              QStringList({"de_DE"}));
    EXPECT_EQ(WantedLanguagesFrom("", "", "ja_JP.eucJP", "fr_FR"), QStringList({"ja_JP"}));
    EXPECT_EQ(WantedLanguagesFrom("", "", "", "pt_BR.UTF-8"), QStringList({"pt_BR"}));
    // With the C locale gettext ignores LANGUAGE: English.
    EXPECT_EQ(WantedLanguagesFrom("de", "", "", "C.UTF-8"), QStringList({"C"}));
    EXPECT_EQ(WantedLanguagesFrom("de", "POSIX", "", "de_DE.UTF-8"), QStringList({"POSIX"}));
    EXPECT_EQ(WantedLanguagesFrom("de", "", "", ""), QStringList());
    EXPECT_EQ(WantedLanguagesFrom("", "", "", ""), QStringList());
    // Empty pieces and repeats are skipped.
    EXPECT_EQ(WantedLanguagesFrom(":de::de_AT:de", "", "", "de_AT.UTF-8"),
              QStringList({"de", "de_AT"}));
}

TEST(UiLanguage, ChoosesTheFirstServedLanguage) {
    const QStringList ours = {"de", "es", "fr", "it", "ja", "pt_BR", "ru", "zh_CN"};
    EXPECT_EQ(ChooseLanguage({"de_AT"}, ours), "de");
    EXPECT_EQ(ChooseLanguage({"pt_BR"}, ours), "pt_BR");
    EXPECT_EQ(ChooseLanguage({"zh_CN"}, ours), "zh_CN");
    // No translation stands for another country's: Portugal's Portuguese and
    // traditional Chinese fall back to English, and so does any language
    // without a translation.
    EXPECT_EQ(ChooseLanguage({"pt_PT"}, ours), "");
    EXPECT_EQ(ChooseLanguage({"zh_TW"}, ours), "");
    EXPECT_EQ(ChooseLanguage({"nl_NL"}, ours), "");
    // The first language that is served wins: a missing one is passed over,
    // English ends the search.
    EXPECT_EQ(ChooseLanguage({"nl", "ru", "de"}, ours), "ru");
    EXPECT_EQ(ChooseLanguage({"en_GB", "de"}, ours), "");
    EXPECT_EQ(ChooseLanguage({"C"}, ours), "");
    EXPECT_EQ(ChooseLanguage({}, ours), "");
    EXPECT_EQ(ChooseLanguage({"de"}, {}), "");
}

}  // namespace
}  // namespace lm

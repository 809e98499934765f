#include "app/About.h"
#include "app/VersionChecker.h"
#include "core/platform/StringTable.h"
#include "support/QtPrinters.h"
#include "ui_Aboutpanel.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(About, ShowsTheDocumentAndTheVersionAndCloses) {
    About* box = About::about();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("About Fotino"));
    EXPECT_EQ(box->outlets()->versionField->text(), VersionChecker::version());
    const QString html = box->outlets()->textField->toHtml();
    EXPECT_TRUE(box->outlets()->textField->toPlainText().contains(QStringLiteral("Fotino")));
    EXPECT_TRUE(html.contains(QStringLiteral("href=\"") + VersionChecker::kWebSite))
        << "the web site's address is put in the document";
    EXPECT_FALSE(html.contains(QStringLiteral("{website}")));

    QTest::mouseClick(box->outlets()->closeButton, Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(About::about(), box) << "one box a run";
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
}

// Each language has its document, in that language, which the address of the web site goes in.
TEST(About, TheDocumentFollowsTheLanguageOfTheOtherTexts) {
    for (const QString language : {"en", "fr", "de"}) {
        StringTable::install({language});
        QFile file(About::documentPath());
        EXPECT_TRUE(file.fileName().endsWith(QStringLiteral("about_%1.html").arg(language)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("lang=\"%1\"").arg(language)));
        EXPECT_TRUE(text.contains(QStringLiteral("href=\"{website}\"")));
    }
    StringTable::install({QStringLiteral("en")});
}

} // namespace

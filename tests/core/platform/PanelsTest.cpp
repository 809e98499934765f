#include "core/platform/Panels.h"
#include "core/platform/Log.h"
#include "support/LogCapture.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The command line has no windows: an alert is one line of the log, and answers "closed".
TEST(Panels, WithoutWindowsAnAlertGoesToTheLogAsOneLine) {
    const LogCapture log;
    ASSERT_FALSE(Panels::hasTestHook());
    Panels::setProvider(nullptr);
    EXPECT_EQ(Panels::runAlert(QString(), QStringLiteral("No picture"), QString(),
                               {QStringLiteral("OK")}),
              -1);
    Log::write(QStringLiteral("Page rect\n{{0, 0}, {612, 792}}"));
    EXPECT_EQ(log.lines(), (QStringList{QStringLiteral("No picture"),
                                        QStringLiteral("Page rect {{0, 0}, {612, 792}}")}));
}

} // namespace

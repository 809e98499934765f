#include "core/capture/CaptureSource.h"
#include "support/CaptureTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/RunFotino.h"
#include "support/TemporaryHome.h"

#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace capturetest;

using runfotino::Result;

// Runs the real program with no display, the camera replaced by the pipeline (none: without).
Result runFotino(const QStringList& arguments, const char* pipeline) {
    QProcessEnvironment env = runfotino::headless();
    const QString variable = QString::fromLatin1(CaptureSource::kPipelineVariable);
    if (pipeline) {
        env.insert(variable, QString::fromUtf8(pipeline));
    } else {
        env.remove(variable);
    }
    return runfotino::run(QStringList{QStringLiteral("capture")} + arguments, env);
}

class CaptureCommandTest : public ::testing::Test {
protected:
    QString output() const { return folder_.filePath(QStringLiteral("still.tif")); }

    TemporaryHome home_;
    QTemporaryDir folder_;
};

TEST_F(CaptureCommandTest, WritesTheTestPatternAsAnUnmirroredTiffOf640By480) {
    for (const QStringList& frames :
         {QStringList(), QStringList{QStringLiteral("--frames"), QStringLiteral("2")}}) {
        QFile::remove(output());
        const Result r = runFotino(QStringList{QStringLiteral("-o"), output()} + frames, kBars);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        QImageReader reader(output());
        EXPECT_EQ(reader.format(), QByteArray("tiff"));
        const QImage picture = reader.read();
        EXPECT_EQ(picture.size(), QSize(640, 480));
        EXPECT_TRUE(showsBarsUnmirrored(picture));
    }
}

struct Failure {
    const char* name;
    const char* pipeline;
    bool withOutput;       // -o FILE first
    const char* arguments; // then these, separated by spaces
    int exitCode;
};

void PrintTo(const Failure& failure, std::ostream* os) {
    *os << failure.name;
}

class CaptureCommandFailureTest : public CaptureCommandTest,
                                  public ::testing::WithParamInterface<Failure> {};

TEST_P(CaptureCommandFailureTest, ExitsWithOneLineAndWritesNothing) {
    const Failure& failure = GetParam();
    QStringList arguments;
    if (failure.withOutput) {
        arguments << QStringLiteral("-o") << output();
    }
    const QString rest = QString::fromUtf8(failure.arguments);
    if (!rest.isEmpty()) {
        arguments += rest.split(QLatin1Char(' '));
    }
    const Result r = runFotino(arguments, failure.pipeline);
    EXPECT_EQ(r.exitCode, failure.exitCode) << r.err.toStdString();
    const QStringList lines = r.err.trimmed().split(QLatin1Char('\n'));
    if (failure.exitCode == 1) {
        EXPECT_EQ(lines.size(), 1) << r.err.toStdString();
        EXPECT_TRUE(lines.first().startsWith(QLatin1String("fotino: "))) << r.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(output()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CaptureCommandFailureTest,
    ::testing::Values(Failure{"PipelineThatCannotBeBuilt", "nosuchelementatall", true, "", 1},
                      Failure{"SourceThatEndsFirst", "videotestsrc num-buffers=2", true, "", 1},
                      Failure{"SourceThatFailsToStart", "v4l2src device=/dev/fotino-none", true, "",
                              1},
                      Failure{"NoOutput", kBars, false, "", 2},
                      Failure{"NoFrames", kBars, true, "--frames 0", 2},
                      Failure{"FramesNotANumber", kBars, true, "--frames many", 2},
                      Failure{"StrayArgument", kBars, true, "extra", 2}),
    NameOfParam());

TEST_F(CaptureCommandTest, WithoutACameraExitsWithOneLine) {
    ScopedPipeline noPipeline(nullptr);
    if (CaptureSource::videoHardwarePresent()) {
        GTEST_SKIP() << "a camera is connected";
    }
    const Result r = runFotino({QStringLiteral("-o"), output()}, nullptr);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("fotino: no camera was found\n"));
    EXPECT_FALSE(QFileInfo::exists(output()));
}

} // namespace

// Every seed of a fuzz target and every input that once made one fail goes through the
// target again, without a fuzzer: a fault that was fixed stays fixed.

#include "FuzzTargets.h"
#include "core/platform/FileManager.h"

#include <QDir>
#include <gtest/gtest.h>
#include <ostream>

namespace FuzzTargets {
// The target's name in the test log, rather than its bytes.
void PrintTo(const Named& target, std::ostream* out) {
    *out << target.name;
}
} // namespace FuzzTargets

namespace {

class CorpusReplay : public ::testing::TestWithParam<FuzzTargets::Named> {};

TEST_P(CorpusReplay, EverySeedAndRegressionPassesItsTarget) {
    const FuzzTargets::Named& target = GetParam();
    int seeds = 0;
    for (const char* corpus : {"corpus", "regressions"}) {
        const QString folder = QStringLiteral(FOTINO_SOURCE_DIR "/fuzz/%1/%2")
                                   .arg(QLatin1String(corpus), QLatin1String(target.name));
        for (const QString& name : FileManager::contentsOfDirectoryAtPath(folder)) {
            const auto bytes = FileManager::contentsAtPath(QDir(folder).filePath(name));
            ASSERT_TRUE(bytes) << name.toStdString();
            EXPECT_TRUE(target.target(reinterpret_cast<const uint8_t*>(bytes->constData()),
                                      static_cast<size_t>(bytes->size())))
                << corpus << "/" << target.name << "/" << name.toStdString();
            seeds += corpus == std::string("corpus") ? 1 : 0;
        }
    }
    EXPECT_GT(seeds, 0) << "no seeds for " << target.name;
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(FuzzTargets::all()),
                         [](const ::testing::TestParamInfo<FuzzTargets::Named>& info) {
                             return std::string(info.param.name);
                         });

} // namespace

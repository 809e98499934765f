#include "core/platform/ResourceFolder.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Layout {
    const char* name;
    const char* program;             // the program's folder
    std::vector<const char*> exists; // folders on disk
    const char* expected;            // the resource folder the program uses
};

void PrintTo(const Layout& layout, std::ostream* os) {
    *os << layout.name;
}

class ResourceFolderLayout : public ::testing::TestWithParam<Layout> {};

TEST_P(ResourceFolderLayout, IsFoundFromTheProgramsFolder) {
    const Layout& layout = GetParam();
    QTemporaryDir root;
    QDir(root.path()).mkpath(QString::fromLatin1(layout.program));
    for (const char* folder : layout.exists) {
        ASSERT_TRUE(QDir(root.path()).mkpath(QString::fromLatin1(folder)));
    }
    EXPECT_EQ(ResourceFolder::locate(root.filePath(QString::fromLatin1(layout.program))),
              root.filePath(QString::fromLatin1(layout.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ResourceFolderLayout,
    ::testing::Values(
        Layout{"BuildTree", "build", {"build/resources/presets"}, "build/resources"},
        Layout{
            "TestsOfTheBuildTree", "build/tests", {"build/resources/presets"}, "build/resources"},
        Layout{"Installed", "usr/bin", {"usr/share/fotino/presets"}, "usr/share/fotino"},
        // A program installed in ~/bin must not take the user's ~/resources for its own.
        Layout{"InstalledBesideAnotherResourcesFolder",
               "home/bin",
               {"home/resources/photos", "home/bin/resources", "home/share/fotino/presets"},
               "home/share/fotino"},
        Layout{"BuildTreeBeforePrefix",
               "usr/bin",
               {"usr/bin/resources/presets", "usr/share/fotino/presets"},
               "usr/bin/resources"},
        Layout{"NothingThereMeansThePrefix", "opt/fotino/bin", {}, "opt/fotino/share/fotino"}),
    NameOfParam());

} // namespace

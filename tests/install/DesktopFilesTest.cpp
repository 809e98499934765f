#include "app/Version.h"
#include "core/document/Fotino.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QImageReader>
#include <QMap>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

// The files that make Fotino a desktop program agree with the program: the types it offers to
// open are those it reads, the document type is its documents' extension, the software centre
// announces this version.
namespace {

const QString kAppId = QStringLiteral("app.fotino.Fotino");
const QString kDocumentType = QStringLiteral("application/x-fotino-document");

QString desktopFile(const QString& name) {
    return QStringLiteral(FOTINO_SOURCE_DIR "/resources/desktop/") + name;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The keys of the desktop entry's one group.
QMap<QString, QString> desktopEntry() {
    QMap<QString, QString> entry;
    for (const QString& line :
         QString::fromUtf8(contents(desktopFile(kAppId + QStringLiteral(".desktop"))))
             .split('\n')) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !line.startsWith(QLatin1Char('#'))) {
            entry.insert(line.left(equals), line.mid(equals + 1));
        }
    }
    return entry;
}

// The values of every element of that name, in document order, with its xml:lang.
QList<std::pair<QString, QString>> elements(const QString& file, const QString& name,
                                            const QString& attribute = QString()) {
    QList<std::pair<QString, QString>> found;
    QXmlStreamReader xml(contents(desktopFile(file)));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == name) {
            const QString lang = xml.attributes().value(QStringLiteral("xml:lang")).toString();
            const QString value = attribute.isEmpty()
                                      ? xml.readElementText(QXmlStreamReader::IncludeChildElements)
                                      : xml.attributes().value(attribute).toString();
            found.append({value, lang});
        }
    }
    EXPECT_FALSE(xml.hasError()) << file.toStdString() << ": " << xml.errorString().toStdString();
    return found;
}

TEST(DesktopEntry, OffersToOpenOnlyTheDocumentAndPicturesQtReads) {
    const QStringList types = desktopEntry().value(QStringLiteral("MimeType")).split(';');
    ASSERT_FALSE(types.isEmpty());
    EXPECT_EQ(types.first(), kDocumentType);
    EXPECT_TRUE(types.last().isEmpty()) << "the list ends with a semicolon";
    QStringList readable;
    for (const QByteArray& type : QImageReader::supportedMimeTypes()) {
        readable.append(QString::fromLatin1(type));
    }
    for (const QString& type : types.mid(1, types.size() - 2)) {
        EXPECT_TRUE(readable.contains(type)) << type.toStdString() << " cannot be read";
    }
    for (const char* type : {"image/jpeg", "image/png", "image/tiff"}) {
        EXPECT_TRUE(types.contains(QString::fromLatin1(type))) << type;
    }
}

TEST(DesktopEntry, SpeaksFrenchAndGerman) {
    const QMap<QString, QString> entry = desktopEntry();
    for (const char* key : {"Name", "GenericName", "Comment", "Keywords"}) {
        for (const char* language : {"fr", "de"}) {
            const QString translated =
                QStringLiteral("%1[%2]").arg(QLatin1String(key), QLatin1String(language));
            EXPECT_FALSE(entry.value(translated).isEmpty()) << translated.toStdString();
        }
    }
    EXPECT_EQ(entry.value(QStringLiteral("Icon")), kAppId);
}

TEST(DocumentType, IsTheDocumentsExtension) {
    const QString file = kAppId + QStringLiteral(".mime.xml");
    const auto types = elements(file, QStringLiteral("mime-type"), QStringLiteral("type"));
    ASSERT_EQ(types.size(), 1);
    EXPECT_EQ(types.first().first, kDocumentType);
    const auto globs = elements(file, QStringLiteral("glob"), QStringLiteral("pattern"));
    ASSERT_EQ(globs.size(), 1);
    EXPECT_EQ(globs.first().first, QStringLiteral("*.") + Fotino::kFileType);
    QStringList languages;
    for (const auto& [comment, lang] : elements(file, QStringLiteral("comment"))) {
        languages.append(lang);
    }
    EXPECT_EQ(languages, (QStringList{QString(), QStringLiteral("fr"), QStringLiteral("de")}));
}

TEST(Metainfo, DescribesThisEntryAndAnnouncesThisVersion) {
    const QString file = kAppId + QStringLiteral(".metainfo.xml");
    ASSERT_EQ(elements(file, QStringLiteral("id")).value(0).first, kAppId);
    EXPECT_EQ(elements(file, QStringLiteral("launchable")).value(0).first,
              kAppId + QStringLiteral(".desktop"));
    const auto releases = elements(file, QStringLiteral("release"), QStringLiteral("version"));
    ASSERT_FALSE(releases.isEmpty());
    EXPECT_EQ(releases.first().first, Version::string()) << "the newest release comes first";
    EXPECT_EQ(elements(file, QStringLiteral("mediatype")).value(0).first, kDocumentType);
}

} // namespace
